#include "support/pagineLibreOffice.h"

#include "report/docx.h"
#include "report/lettoreDocx.h"
#include "support/controlloPagine.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace corpusPagine {

namespace {

// Each line of a stored tab-separated file that is no comment and has `quanti` fields.
void perOgniRiga(const QString& percorso, qsizetype quanti, const std::function<void(const QStringList&)>& leggi)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    while (!file.atEnd()) {
        const QString riga = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList campi = riga.split(QLatin1Char('\t'));
        if (!riga.startsWith(QLatin1Char('#')) && campi.size() == quanti)
            leggi(campi);
    }
}

} // namespace

const std::map<QString, int>& pagineLibreOffice()
{
    static const std::map<QString, int> pagine = [] {
        std::map<QString, int> letti;
        perOgniRiga(QStringLiteral(KORVEL_PAGINE_LIBREOFFICE), 2, [&](const QStringList& campi) { letti[campi[0]] = campi[1].toInt(); });
        return letti;
    }();
    return pagine;
}

namespace {

using Colonne = std::vector<std::vector<int>>; // each table's column widths, twips

// The widths stored for each shape that has tables.
const std::map<QString, Colonne>& colonneContate()
{
    static const std::map<QString, Colonne> colonne = [] {
        std::map<QString, Colonne> lette;
        perOgniRiga(QStringLiteral(KORVEL_COLONNE_CORPUS), 3, [&](const QStringList& campi) {
            const unsigned tabella = campi[1].toUInt(); // from 1
            if (tabella == 0)
                return;
            Colonne& tabelle = lette[campi[0]];
            tabelle.resize(std::max<std::size_t>(tabelle.size(), tabella));
            for (const QString& w : campi[2].split(QLatin1Char(' '), Qt::SkipEmptyParts))
                tabelle[tabella - 1].push_back(w.toInt());
        });
        return lette;
    }();
    return colonne;
}

// The widths the DOCX the document saves gives its tables.
Colonne colonneDelDocx(const documento::Documento& doc)
{
    QByteArray pacchetto;
    EXPECT_TRUE(docx::componi(doc, pacchetto));
    const lettore::Corpo corpo = lettore::leggiCorpo(lettore::decomprimi(pacchetto).value(QStringLiteral("word/document.xml")));
    Colonne colonne;
    for (const lettore::Tabella* t : corpo.tabelle())
        colonne.push_back(t->griglia);
    return colonne;
}

} // namespace

int pagineDelPdf(const QByteArray& pdf)
{
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(pagina));
}

void verifica(const QString& nome, documento::Documento& doc, bool contata)
{
    SCOPED_TRACE(nome.toStdString());
    const auto conteggio = doc.contaPagine();
    ASSERT_TRUE(conteggio);
    EXPECT_EQ(controlloPagine::difetti(doc), QStringList()) << "the pages as laid out";
    if (contata) {
        const auto trovata = pagineLibreOffice().find(nome);
        if (trovata == pagineLibreOffice().end())
            ADD_FAILURE() << "no LibreOffice count stored for " << nome.toStdString();
        else
            EXPECT_EQ(*conteggio, trovata->second) << "pages counted against the pages LibreOffice shows";
        const auto colonne = colonneContate().find(nome);
        EXPECT_EQ(colonneDelDocx(doc), colonne == colonneContate().end() ? Colonne() : colonne->second)
            << "the column widths of the saved file against those of the file LibreOffice counted";
    }

    QTemporaryDir temporanea;
    const QString cartella = qEnvironmentVariable("KORVEL_PAGINE_DOCX", temporanea.path());
    const QString base = QDir(cartella).filePath(nome);
    ASSERT_TRUE(doc.salvaPdf(base + QStringLiteral(".korvel.pdf")));
    QFile pdf(base + QStringLiteral(".korvel.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pagineDelPdf(pdf.readAll()), *conteggio) << "pages of the program's own PDF against the count";
    if (qEnvironmentVariableIsSet("KORVEL_PAGINE_DOCX")) {
        EXPECT_TRUE(doc.salvaDocx(base + QStringLiteral(".docx")));
        for (int i = 0; i < *conteggio; ++i) {
            QFile testo(base + QStringLiteral(".pagina%1.txt").arg(i + 1));
            if (testo.open(QIODevice::WriteOnly | QIODevice::Truncate))
                testo.write(doc.testoPagina(i).toUtf8());
        }
    }
}

} // namespace corpusPagine
