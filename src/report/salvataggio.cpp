// Printing the laid-out pages, and saving the document as DOCX or PDF.
#include "report/documento.h"

#include "base/scrittura.h"
#include "report/docx.h"
#include "report/testoPdf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace documento {

namespace {
// The resolution of the PDF saved.
constexpr int dpiPdf = 1200;
} // namespace

Esito Documento::stampa(QPagedPaintDevice* dispositivo)
{
    const int pagine = int(this->pagine().size());
    QPainter pittore;
    if (!dispositivo || !pittore.begin(dispositivo))
        return Esito::fallito(QStringLiteral("Non è stato possibile avviare la stampa."));
    pittore.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < pagine; ++i) {
        if (i > 0 && !dispositivo->newPage())
            return Esito::fallito(QStringLiteral("Non è stato possibile aggiungere una pagina alla stampa."));
        // The page's top left corner at the device's origin, at its resolution (a
        // device of other dots across than down stretches the page across).
        pittore.save();
        pittore.scale(double(dispositivo->logicalDpiX()) / dispositivo->logicalDpiY(), 1.0);
        disegnaPagina(pittore, i, dispositivo->logicalDpiY());
        pittore.restore();
    }
    if (!pittore.end())
        return Esito::fallito(QStringLiteral("La stampa non è stata completata."));
    return Esito::riuscito();
}

namespace {
// Every document goes to disk through the one checked write.
Esito scriviFile(const QString& nomeFile, const QByteArray& dati)
{
    if (nomeFile.trimmed().isEmpty())
        return Esito::fallito(QStringLiteral("Il nome del file è vuoto."));
    if (const scrittura::Esito e = scrittura::scriviFile(nomeFile, dati); !e)
        return Esito::fallito(QStringLiteral("La scrittura del file \"%1\" non è riuscita: %2.").arg(nomeFile, e.motivo));
    return Esito::riuscito();
}
} // namespace

Esito Documento::salvaDocx(const QString& nomeFile) const
{
    QByteArray dati;
    if (Esito e = docx::componi(*this, dati); !e)
        return e;
    Esito esito = scriviFile(nomeFile, dati);
    if (esito)
        versioneSalvata_ = versione_;
    return esito;
}

// The pages are drawn in memory and written whole: a printer's own PDF output would
// write straight over the file and never tell a failed write.
Esito Documento::scriviPdf(const QString& nomeFile, const QPageLayout& pagina, int risoluzione)
{
    QByteArray dati;
    {
        QBuffer buffer(&dati);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(risoluzione);
        pdf.setPageLayout(pagina);
        pdf.setTitle(titolo_);
        pdf.setCreator(QCoreApplication::applicationName());
        if (Esito e = stampa(&pdf); !e)
            return e;
    }
    // Copied or searched in a viewer, a ligature reads as the letters it joins.
    return scriviFile(nomeFile, dettaglio::legatureSciolte(dati));
}

Esito Documento::salvaPdf(const QString& nomeFile)
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    Esito esito = scriviPdf(nomeFile, a4, dpiPdf);
    if (esito)
        versioneSalvata_ = versione_;
    return esito;
}

Esito Documento::stampaPdf(const QString& nomeFile, const QPageLayout& pagina, int risoluzione)
{
    // The margins are in the pages.
    const QPageLayout intera(pagina.pageSize(), pagina.orientation(), QMarginsF(0, 0, 0, 0));
    return scriviPdf(nomeFile, intera, risoluzione > 0 ? risoluzione : dpiPdf);
}

} // namespace documento
