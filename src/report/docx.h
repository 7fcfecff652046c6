#pragma once
// The DOCX writer: a document of the document layer as an Office Open XML package
// (WordprocessingML), built with QXmlStreamWriter and zipped in memory.
#include "report/documento.h"

#include <QByteArray>

namespace docx {

// The whole package; fails when a part cannot be written as XML or the archive
// cannot be built.
documento::Esito componi(const documento::Documento& doc, QByteArray& pacchetto);

// The parts, one by one; each is empty when the XML writer reported an error.
QByteArray tipiContenuto();        // [Content_Types].xml
QByteArray relazioniPacchetto();   // _rels/.rels
QByteArray relazioniDocumento();   // word/_rels/document.xml.rels
QByteArray stili();                // word/styles.xml
QByteArray corpo(const documento::Documento& doc); // word/document.xml
QByteArray proprieta(const documento::Documento& doc); // docProps/core.xml

} // namespace docx
