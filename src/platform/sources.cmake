# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  platform/servizi.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  platform/finestra.cpp
  platform/controlli.cpp
  platform/modulo.cpp
  platform/righePaginate.cpp
  platform/ridisegno.h
  platform/serviziDesktop.cpp
  platform/messaggiDesktop.cpp
  platform/dialoghiDesktop.cpp
  platform/musicaFluid.cpp
)
