#include "report/docx.h"

#include "report/aspettoTabella.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QXmlStreamWriter>

#include <zip.h>

#include <cmath>
#include <memory>
#include <optional>

using documento::Allineamento;
using documento::Capoverso;
using documento::Carattere;
using documento::Esito;
using documento::Griglia;

namespace docx {

namespace {

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString R = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString PKG_REL = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString TIPO_DOC = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");
const QString TIPO_CORE = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties");
const QString TIPO_STILI = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles");

// A colour as the file writes it: six hexadecimal digits, upper case.
QString esadecimale(QRgb colore) { return QStringLiteral("%1").arg(colore & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper(); }

class Scrittore {
public:
    Scrittore() : xml_(&dati_)
    {
        xml_.setAutoFormatting(false);
        xml_.writeStartDocument(QStringLiteral("1.0"), true);
    }
    QXmlStreamWriter* operator->() { return &xml_; }
    QXmlStreamWriter& xml() { return xml_; }
    // The part, or nothing when the writer met what it cannot write (it would have
    // left a broken element behind).
    QByteArray fine()
    {
        xml_.writeEndDocument();
        return xml_.hasError() ? QByteArray() : dati_;
    }
    // Attribute values are cleaned as the document's texts are.
    void attributo(const QString& ns, const QString& nome, const QString& valore)
    {
        xml_.writeAttribute(ns, nome, documento::testoXml(valore));
    }
    void attributo(const QString& nome, const QString& valore)
    {
        xml_.writeAttribute(nome, documento::testoXml(valore));
    }
    // <w:name w:val="valore"/>
    void valore(const QString& nome, const QString& valore)
    {
        xml_.writeEmptyElement(W, nome);
        attributo(W, QStringLiteral("val"), valore);
    }

private:
    QByteArray dati_;
    QXmlStreamWriter xml_;
};

QString jc(Allineamento a)
{
    switch (a) {
    case Allineamento::Centro:
        return QStringLiteral("center");
    case Allineamento::Destra:
        return QStringLiteral("right");
    case Allineamento::Giustificato:
        return QStringLiteral("both");
    case Allineamento::Sinistra:
        break;
    }
    return QStringLiteral("left");
}

QString mezziPunti(double punti) { return QString::number(qRound(punti * 2)); }

void proprietaCarattere(Scrittore& s, const Carattere& c, std::optional<QRgb> colore = std::nullopt)
{
    s->writeStartElement(W, QStringLiteral("rPr"));
    s->writeEmptyElement(W, QStringLiteral("rFonts"));
    for (const char* attributo : {"ascii", "hAnsi", "cs", "eastAsia"})
        s.attributo(W, QString::fromLatin1(attributo), c.nome);
    if (c.grassetto) {
        s->writeEmptyElement(W, QStringLiteral("b"));
        s->writeEmptyElement(W, QStringLiteral("bCs"));
    }
    if (colore)
        s.valore(QStringLiteral("color"), esadecimale(*colore));
    s.valore(QStringLiteral("sz"), mezziPunti(c.dimensione));
    s.valore(QStringLiteral("szCs"), mezziPunti(c.dimensione));
    s->writeEndElement();
}

// Runs of one text: tabs and line breaks as their own elements, every w:t preserved.
void sequenza(Scrittore& s, const QString& testo, const Carattere& c, std::optional<QRgb> colore = std::nullopt)
{
    if (testo.isEmpty())
        return;
    s->writeStartElement(W, QStringLiteral("r"));
    proprietaCarattere(s, c, colore);
    QString pezzo;
    auto scriviPezzo = [&] {
        if (pezzo.isEmpty())
            return;
        s->writeStartElement(W, QStringLiteral("t"));
        s.attributo(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        s->writeCharacters(pezzo);
        s->writeEndElement();
        pezzo.clear();
    };
    for (QChar ch : testo) {
        if (ch == QLatin1Char('\t')) {
            scriviPezzo();
            s->writeEmptyElement(W, QStringLiteral("tab"));
        } else if (ch == QChar(0x0B)) {
            scriviPezzo();
            s->writeEmptyElement(W, QStringLiteral("br"));
        } else {
            pezzo += ch;
        }
    }
    scriviPezzo();
    s->writeEndElement();
}

void capoverso(Scrittore& s, const Capoverso& p)
{
    s->writeStartElement(W, QStringLiteral("p"));
    s->writeStartElement(W, QStringLiteral("pPr"));
    s.valore(QStringLiteral("jc"), jc(p.allineamento));
    proprietaCarattere(s, p.marca);
    s->writeEndElement();
    if (p.nuovaPagina) {
        s->writeStartElement(W, QStringLiteral("r"));
        s->writeEmptyElement(W, QStringLiteral("br"));
        s.attributo(W, QStringLiteral("type"), QStringLiteral("page"));
        s->writeEndElement();
    }
    for (const auto& run : p.sequenze)
        sequenza(s, run.testo, run.carattere);
    s->writeEndElement();
}

Capoverso separatoreTabelle(const Griglia& prima)
{
    Capoverso vuoto;
    vuoto.marca = prima.carattere;
    return vuoto;
}

void bordi(Scrittore& s)
{
    s->writeStartElement(W, QStringLiteral("tblBorders"));
    for (const char* lato : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        s->writeEmptyElement(W, QString::fromLatin1(lato));
        s.attributo(W, QStringLiteral("val"), QStringLiteral("single"));
        s.attributo(W, QStringLiteral("sz"), QString::number(documento::dettaglio::bordoOttaviDiPunto));
        s.attributo(W, QStringLiteral("space"), QStringLiteral("0"));
        s.attributo(W, QStringLiteral("color"), esadecimale(documento::dettaglio::coloreBordo));
    }
    s->writeEndElement();
}

void larghezza(Scrittore& s, const QString& elemento, int valore, const QString& tipo)
{
    s->writeEmptyElement(W, elemento);
    s.attributo(W, QStringLiteral("w"), QString::number(valore));
    s.attributo(W, QStringLiteral("type"), tipo);
}

void tabella(Scrittore& s, const Griglia& g, const documento::dettaglio::FormaTabella& forma)
{
    s->writeStartElement(W, QStringLiteral("tbl"));
    s->writeStartElement(W, QStringLiteral("tblPr"));
    larghezza(s, QStringLiteral("tblW"), forma.larghezza(), QStringLiteral("dxa"));
    bordi(s);
    s->writeEmptyElement(W, QStringLiteral("tblLayout"));
    s.attributo(W, QStringLiteral("type"), QStringLiteral("fixed"));
    s->writeStartElement(W, QStringLiteral("tblCellMar"));
    larghezza(s, QStringLiteral("left"), forma.margine, QStringLiteral("dxa"));
    larghezza(s, QStringLiteral("right"), forma.margine, QStringLiteral("dxa"));
    s->writeEndElement();
    s->writeEndElement();

    s->writeStartElement(W, QStringLiteral("tblGrid"));
    for (int w : forma.colonne) {
        s->writeEmptyElement(W, QStringLiteral("gridCol"));
        s.attributo(W, QStringLiteral("w"), QString::number(w));
    }
    s->writeEndElement();

    for (int r = 1; r <= g.righe; ++r) {
        const bool testata = forma.intestazione(r);
        s->writeStartElement(W, QStringLiteral("tr"));
        if (testata) {
            s->writeStartElement(W, QStringLiteral("trPr"));
            s->writeEmptyElement(W, QStringLiteral("tblHeader"));
            s->writeEndElement();
        }
        const Carattere car = documento::dettaglio::FormaTabella::carattere(g, r);
        const std::optional<QRgb> colore = forma.coloreTesto(r);
        for (int c = 1; c <= g.colonne; ++c) {
            s->writeStartElement(W, QStringLiteral("tc"));
            s->writeStartElement(W, QStringLiteral("tcPr"));
            larghezza(s, QStringLiteral("tcW"), forma.colonne[std::size_t(c - 1)], QStringLiteral("dxa"));
            if (const auto sfondo = forma.sfondo(r, c)) {
                s->writeEmptyElement(W, QStringLiteral("shd"));
                s.attributo(W, QStringLiteral("val"), QStringLiteral("clear"));
                s.attributo(W, QStringLiteral("color"), QStringLiteral("auto"));
                s.attributo(W, QStringLiteral("fill"), esadecimale(*sfondo));
            }
            s->writeEndElement();
            const QStringList paragrafi = g.cella(r, c).split(QLatin1Char('\n'));
            for (const QString& testo : paragrafi) {
                s->writeStartElement(W, QStringLiteral("p"));
                s->writeStartElement(W, QStringLiteral("pPr"));
                s.valore(QStringLiteral("jc"), jc(g.allineamenti[std::size_t(c - 1)]));
                proprietaCarattere(s, car, colore);
                s->writeEndElement();
                sequenza(s, testo, car, colore);
                s->writeEndElement();
            }
            s->writeEndElement();
        }
        s->writeEndElement();
    }
    s->writeEndElement();
}

struct Voce {
    const char* nome;
    QByteArray dati;
};

} // namespace

QByteArray tipiContenuto()
{
    Scrittore s;
    const QString ns = QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types");
    s->writeDefaultNamespace(ns);
    s->writeStartElement(ns, QStringLiteral("Types"));
    auto predefinito = [&](const char* estensione, const char* tipo) {
        s->writeEmptyElement(ns, QStringLiteral("Default"));
        s.attributo(QStringLiteral("Extension"), QString::fromLatin1(estensione));
        s.attributo(QStringLiteral("ContentType"), QString::fromLatin1(tipo));
    };
    auto parte = [&](const char* nome, const char* tipo) {
        s->writeEmptyElement(ns, QStringLiteral("Override"));
        s.attributo(QStringLiteral("PartName"), QString::fromLatin1(nome));
        s.attributo(QStringLiteral("ContentType"), QString::fromLatin1(tipo));
    };
    predefinito("rels", "application/vnd.openxmlformats-package.relationships+xml");
    predefinito("xml", "application/xml");
    parte("/word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    parte("/word/styles.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml");
    parte("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml");
    s->writeEndElement();
    return s.fine();
}

namespace {
QByteArray relazioni(const QList<std::pair<QString, QString>>& voci)
{
    Scrittore s;
    s->writeDefaultNamespace(PKG_REL);
    s->writeStartElement(PKG_REL, QStringLiteral("Relationships"));
    int id = 0;
    for (const auto& [tipo, destinazione] : voci) {
        s->writeEmptyElement(PKG_REL, QStringLiteral("Relationship"));
        s.attributo(QStringLiteral("Id"), QStringLiteral("rId%1").arg(++id));
        s.attributo(QStringLiteral("Type"), tipo);
        s.attributo(QStringLiteral("Target"), destinazione);
    }
    s->writeEndElement();
    return s.fine();
}
} // namespace

QByteArray relazioniPacchetto()
{
    return relazioni({{TIPO_DOC, QStringLiteral("word/document.xml")}, {TIPO_CORE, QStringLiteral("docProps/core.xml")}});
}

QByteArray relazioniDocumento() { return relazioni({{TIPO_STILI, QStringLiteral("styles.xml")}}); }

QByteArray stili()
{
    Scrittore s;
    s->writeNamespace(W, QStringLiteral("w"));
    s->writeStartElement(W, QStringLiteral("styles"));
    s->writeStartElement(W, QStringLiteral("docDefaults"));
    s->writeStartElement(W, QStringLiteral("rPrDefault"));
    s->writeStartElement(W, QStringLiteral("rPr"));
    const Carattere base;
    s->writeEmptyElement(W, QStringLiteral("rFonts"));
    for (const char* attributo : {"ascii", "hAnsi", "cs", "eastAsia"})
        s.attributo(W, QString::fromLatin1(attributo), base.nome);
    s.valore(QStringLiteral("sz"), mezziPunti(base.dimensione));
    s.valore(QStringLiteral("szCs"), mezziPunti(base.dimensione));
    s->writeEmptyElement(W, QStringLiteral("lang"));
    s.attributo(W, QStringLiteral("val"), QStringLiteral("it-IT"));
    s.attributo(W, QStringLiteral("eastAsia"), QStringLiteral("it-IT"));
    s.attributo(W, QStringLiteral("bidi"), QStringLiteral("it-IT"));
    s->writeEndElement();
    s->writeEndElement();
    s->writeStartElement(W, QStringLiteral("pPrDefault"));
    s->writeStartElement(W, QStringLiteral("pPr"));
    s->writeEmptyElement(W, QStringLiteral("spacing"));
    s.attributo(W, QStringLiteral("before"), QStringLiteral("0"));
    s.attributo(W, QStringLiteral("after"), QStringLiteral("0"));
    s.attributo(W, QStringLiteral("line"), QStringLiteral("240"));
    s.attributo(W, QStringLiteral("lineRule"), QStringLiteral("auto"));
    s->writeEndElement();
    s->writeEndElement();
    s->writeEndElement();

    s->writeStartElement(W, QStringLiteral("style"));
    s.attributo(W, QStringLiteral("type"), QStringLiteral("paragraph"));
    s.attributo(W, QStringLiteral("default"), QStringLiteral("1"));
    s.attributo(W, QStringLiteral("styleId"), QStringLiteral("Normal"));
    s.valore(QStringLiteral("name"), QStringLiteral("Normal"));
    s->writeEmptyElement(W, QStringLiteral("qFormat"));
    s->writeEndElement();

    s->writeStartElement(W, QStringLiteral("style"));
    s.attributo(W, QStringLiteral("type"), QStringLiteral("table"));
    s.attributo(W, QStringLiteral("default"), QStringLiteral("1"));
    s.attributo(W, QStringLiteral("styleId"), QStringLiteral("TableNormal"));
    s.valore(QStringLiteral("name"), QStringLiteral("Normal Table"));
    s->writeStartElement(W, QStringLiteral("tblPr"));
    s->writeStartElement(W, QStringLiteral("tblCellMar"));
    larghezza(s, QStringLiteral("top"), 0, QStringLiteral("dxa"));
    larghezza(s, QStringLiteral("left"), documento::dettaglio::margineCellaTwips, QStringLiteral("dxa"));
    larghezza(s, QStringLiteral("bottom"), 0, QStringLiteral("dxa"));
    larghezza(s, QStringLiteral("right"), documento::dettaglio::margineCellaTwips, QStringLiteral("dxa"));
    s->writeEndElement();
    s->writeEndElement();
    s->writeEndElement();

    s->writeEndElement();
    return s.fine();
}

QByteArray corpo(const documento::Documento& doc)
{
    Scrittore s;
    s->writeNamespace(W, QStringLiteral("w"));
    s->writeNamespace(R, QStringLiteral("r"));
    s->writeStartElement(W, QStringLiteral("document"));
    s->writeStartElement(W, QStringLiteral("body"));
    int numeroTabella = 0;
    const Griglia* precedente = nullptr;
    for (const documento::Blocco& blocco : doc.blocchi()) {
        if (const auto* p = std::get_if<Capoverso>(&blocco)) {
            capoverso(s, *p);
            precedente = nullptr;
            continue;
        }
        const Griglia& g = std::get<Griglia>(blocco);
        // Two tables side by side in the file would be read as one table: an empty
        // line in the first one's font keeps them apart, as they are on the screen.
        if (precedente)
            capoverso(s, separatoreTabelle(*precedente));
        tabella(s, g, documento::dettaglio::formaTabella(doc, ++numeroTabella));
        precedente = &g;
    }
    s->writeStartElement(W, QStringLiteral("sectPr"));
    s->writeEmptyElement(W, QStringLiteral("pgSz"));
    s.attributo(W, QStringLiteral("w"), QString::number(documento::dettaglio::twips(documento::larghezzaPaginaMm)));
    s.attributo(W, QStringLiteral("h"), QString::number(documento::dettaglio::twips(documento::altezzaPaginaMm)));
    s->writeEmptyElement(W, QStringLiteral("pgMar"));
    const QString margine = QString::number(documento::dettaglio::twips(documento::marginePaginaMm));
    for (const char* lato : {"top", "right", "bottom", "left"})
        s.attributo(W, QString::fromLatin1(lato), margine);
    s.attributo(W, QStringLiteral("header"), QStringLiteral("709"));
    s.attributo(W, QStringLiteral("footer"), QStringLiteral("709"));
    s.attributo(W, QStringLiteral("gutter"), QStringLiteral("0"));
    s->writeEndElement();
    s->writeEndElement();
    s->writeEndElement();
    return s.fine();
}

QByteArray proprieta(const documento::Documento& doc)
{
    Scrittore s;
    const QString cp = QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");
    const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
    const QString dcterms = QStringLiteral("http://purl.org/dc/terms/");
    const QString xsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
    s->writeNamespace(cp, QStringLiteral("cp"));
    s->writeNamespace(dc, QStringLiteral("dc"));
    s->writeNamespace(dcterms, QStringLiteral("dcterms"));
    s->writeNamespace(xsi, QStringLiteral("xsi"));
    s->writeStartElement(cp, QStringLiteral("coreProperties"));
    s->writeTextElement(dc, QStringLiteral("title"), doc.titolo());
    QString autore = QCoreApplication::applicationName();
    if (autore.isEmpty())
        autore = QStringLiteral("Korvel");
    s->writeTextElement(dc, QStringLiteral("creator"), autore);
    s->writeTextElement(dc, QStringLiteral("language"), QStringLiteral("it-IT"));
    const QString adesso = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    for (const char* nome : {"created", "modified"}) {
        s->writeStartElement(dcterms, QString::fromLatin1(nome));
        s.attributo(xsi, QStringLiteral("type"), QStringLiteral("dcterms:W3CDTF"));
        s->writeCharacters(adesso);
        s->writeEndElement();
    }
    s->writeEndElement();
    return s.fine();
}

Esito componi(const documento::Documento& doc, QByteArray& pacchetto)
{
    const Esito errore = Esito::fallito(QStringLiteral("Non è stato possibile comporre il documento DOCX."));
    const std::vector<Voce> voci = {
        {"[Content_Types].xml", tipiContenuto()},
        {"_rels/.rels", relazioniPacchetto()},
        {"word/document.xml", corpo(doc)},
        {"word/_rels/document.xml.rels", relazioniDocumento()},
        {"word/styles.xml", stili()},
        {"docProps/core.xml", proprieta(doc)},
    };
    for (const Voce& voce : voci) {
        if (voce.dati.isEmpty())
            return errore;
    }

    zip_error_t zerr;
    zip_error_init(&zerr);
    zip_source_t* memoria = zip_source_buffer_create(nullptr, 0, 0, &zerr);
    zip_error_fini(&zerr);
    if (!memoria)
        return errore;
    zip_source_keep(memoria);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> custode(memoria, &zip_source_free);
    zip_error_init(&zerr);
    zip_t* archivio = zip_open_from_source(memoria, ZIP_TRUNCATE, &zerr);
    zip_error_fini(&zerr);
    if (!archivio)
        return errore;
    for (const Voce& voce : voci) {
        zip_source_t* sorgente = zip_source_buffer(archivio, voce.dati.constData(), zip_uint64_t(voce.dati.size()), 0);
        if (!sorgente || zip_file_add(archivio, voce.nome, sorgente, ZIP_FL_ENC_UTF_8) < 0) {
            if (sorgente)
                zip_source_free(sorgente);
            zip_discard(archivio);
            return errore;
        }
    }
    if (zip_close(archivio) < 0) {
        zip_discard(archivio);
        return errore;
    }
    zip_stat_t info;
    if (zip_source_stat(memoria, &info) < 0 || zip_source_open(memoria) < 0)
        return errore;
    pacchetto.resize(qsizetype(info.size));
    const zip_int64_t letti = zip_source_read(memoria, pacchetto.data(), info.size);
    zip_source_close(memoria);
    if (letti != zip_int64_t(info.size))
        return errore;
    return Esito::riuscito();
}

} // namespace docx
