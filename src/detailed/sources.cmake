# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  detailed/calcoloDettagliato.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  detailed/dettagliato.cpp
  detailed/risdettagliato.cpp
)
