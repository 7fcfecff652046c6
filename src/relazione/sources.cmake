# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  relazione/testiRelazione.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  relazione/relazioneTecnica.cpp
  relazione/capitoliRelazione.cpp
)
