# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  help/testiGuida.cpp
  help/guida.qrc
  help/listino.cpp
  help/suggerimenti.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  help/finestraAiuto.cpp
  help/testoLungo.cpp
  help/lineeDecorative.cpp
  help/sommario.cpp
  help/guide.cpp
  help/frmTip.cpp
  help/licenza.cpp
  help/prodotti.cpp
  help/supportoclienti.cpp
  help/informa.cpp
)
