# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  transmittance/archivioTrasm.cpp
  transmittance/calcoloTrasmittanza.cpp
  transmittance/tabelleTrasmittanza.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  transmittance/trasmitt.cpp
  transmittance/trasmittCostruzione.cpp
  transmittance/trasmittArchivio.cpp
  transmittance/trasmittStampa.cpp
)
