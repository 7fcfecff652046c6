# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  detailed/calcoloDettagliato.cpp
  detailed/geometriaDett.cpp
  detailed/carichiDett.cpp
  detailed/economiaDett.cpp
  detailed/tabelleDettagliato.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  detailed/dettagliatoArchivio.cpp
  detailed/dettagliato.cpp
  detailed/dettagliatoTesti.cpp
  detailed/dettagliatoStampa.cpp
  detailed/risdettagliato.cpp
  detailed/risdettagliatoStampa.cpp
)
