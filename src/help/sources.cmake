# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
)
list(APPEND KORVEL_WINDOWS_SOURCES
  help/finestraAiuto.cpp
  help/sommario.cpp
  help/manuale.cpp
  help/guidaarchivio.cpp
  help/guidastampa.cpp
  help/guidamenu.cpp
  help/guidatabella.cpp
  help/guidatrasmitt.cpp
  help/guidafattib.cpp
  help/guidarisultati.cpp
  help/guidadettagliato.cpp
  help/guidarisdettagliato.cpp
  help/guidafrontespizio.cpp
  help/guidafunzionamento.cpp
  help/frmTip.cpp
  help/licenza.cpp
  help/prodotti.cpp
  help/supportoclienti.cpp
  help/informa.cpp
)
