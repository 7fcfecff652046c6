# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  cover/datiFrontespizio.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  cover/frontespizio.cpp
)
