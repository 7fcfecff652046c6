# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
)
list(APPEND KORVEL_WINDOWS_SOURCES
  shell/clsResize.cpp
  shell/corniceFinestra.cpp
  shell/filtroNumerico.cpp
  shell/frmSplash.cpp
  shell/menu.cpp
  shell/avvio.cpp
  shell/fileProgramma.cpp
  shell/immagini.cpp
  shell/navigazione.cpp
  shell/profiliFinestre.cpp
)
