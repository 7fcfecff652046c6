# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  climate/datiClimatici.cpp
  climate/tabellaLocalita.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  climate/elencoLocalita.cpp
  climate/sceltaLocalita.cpp
  climate/tabella.cpp
  climate/tabellaStampa.cpp
)
