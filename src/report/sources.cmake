# Files of this folder (paths relative to src/).
list(APPEND KORVEL_CORE_SOURCES
  report/documento.cpp
  report/metriche.cpp
  report/aspettoTabella.cpp
  report/colonne.cpp
  report/acapo.cpp
  report/righe.cpp
  report/posaRiga.cpp
  report/impaginazione.cpp
  report/flussoTabella.cpp
  report/primaDistribuzione.cpp
  report/disegnoPagine.cpp
  report/selezione.cpp
  report/salvataggio.cpp
  report/testoPdf.cpp
  report/applicazione.cpp
  report/docx.cpp
  report/canaleWord.cpp
  report/relazione.cpp
)
list(APPEND KORVEL_WINDOWS_SOURCES
  report/finestraDocumento.cpp
  report/vistaPagine.cpp
)
