# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  feasibility/calcoloFattib.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  feasibility/fattibArchivio.cpp
  feasibility/fattib.cpp
  feasibility/fattibStampa.cpp
  feasibility/risultati.cpp
  feasibility/risultatiStampa.cpp
)
