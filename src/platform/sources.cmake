# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  platform/servizi.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  platform/finestra.cpp
  platform/controlli.cpp
)
