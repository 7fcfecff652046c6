// The DOCX writer and the pages: a document built from any texts (lone surrogate halves
// and control characters included) is saved, and every part of the package is
// well-formed XML; its pages hold every line of every paragraph once, in order, and
// every row of every table, and each page can be drawn; a report's file name made of
// any client's name fits the file system.
#include "ingressi.h"

#include "report/canaleWord.h"
#include "report/docx.h"
#include "report/documento.h"
#include "report/lettoreDocx.h"
#include "support/controlloPagine.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace fuzz {

namespace {

// No surrogate half without its other half.
bool coppieIntere(const QString& t)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].isHighSurrogate()) {
            if (i + 1 >= t.size() || !t[i + 1].isLowSurrogate())
                return false;
            ++i;
        } else if (t[i].isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

} // namespace

QStringList provaDocx(const QByteArray& dati)
{
    using namespace documento;
    Verifica v;
    Lettura l(dati);

    // The client's name first: the report's file is named after it.
    const QString cliente = l.unita(255);
    const QString sicuro = ModKorvel::nomeSicuro(cliente);
    v(sicuro.toUtf8().size() <= 150 && sicuro.size() <= 100, QStringLiteral("safe name too long: ") + sicuro);
    v(coppieIntere(sicuro), QStringLiteral("safe name with half a character"));
    v(!sicuro.contains(QLatin1Char('/')) && !sicuro.contains(QStringLiteral("..")),
      QStringLiteral("safe name leaves the folder: ") + sicuro);
    const QString file = QFileInfo(ModKorvel::percorsoRelazione(cliente)).fileName();
    // The word processor puts a lock file of 12 more bytes beside it.
    v(file.toUtf8().size() + 12 <= 255, QStringLiteral("report file name of %1 bytes").arg(file.toUtf8().size()));

    auto app = Applicazione::nuova();
    auto d = app->aggiungiDocumento();
    for (int passo = 0; passo < 48 && !l.finita(); ++passo) {
        switch (l.byte() % 10) {
        case 0: d->impostaNomeCarattere(l.unita(40)); break;
        case 1: d->impostaDimensione(1 + l.byte() % 40); break;
        case 2: d->impostaGrassetto(l.byte() % 2 ? wdToggle : 0); break;
        case 3: d->scrivi(l.unita(60)); break;
        case 4: {
            Paragrafo p = d->aggiungiParagrafo();
            p.impostaDimensione(6 + l.byte() % 20);
            p.impostaTesto(l.unita(60));
            break;
        }
        case 5: {
            const int righe = 1 + l.byte() % 6;
            const int colonne = 1 + l.byte() % 5;
            if (auto t = d->aggiungiTabella(righe, colonne)) {
                for (int i = l.byte() % 8; i > 0; --i)
                    t->scriviCella(1 + l.byte() % righe, 1 + l.byte() % colonne, l.unita(30));
                if (l.byte() % 2)
                    t->formattaAutomatico();
            }
            break;
        }
        case 6: d->impostaTitolo(l.unita(40)); break;
        case 7: d->allineaTutto(Allineamento(l.byte() % 4)); break;
        case 8: d->allineaColonna(1 + l.byte() % 3, 1 + l.byte() % 5, Allineamento(l.byte() % 4)); break;
        case 9: d->scrivi(QString(1, QChar(l.byte() % 16))); break;
        }
    }

    QByteArray pacchetto;
    const Esito esito = docx::componi(*d, pacchetto);
    v(esito.ok(), QStringLiteral("the document was not composed: ") + esito.errore);
    if (!esito.ok())
        return v.mancate();
    const QMap<QString, QByteArray> parti = lettore::decomprimi(pacchetto);
    v(parti.size() == 6, QStringLiteral("the package holds %1 parts").arg(parti.size()));
    for (auto parte = parti.cbegin(); parte != parti.cend(); ++parte)
        v(lettore::benFormato(parte.value()), parte.key() + QStringLiteral(" is not well-formed XML"));

    // Each paragraph's lines and each table's rows follow on from where the pages left
    // them; a row split between pages goes on on the next.
    const std::vector<Pagina>& pagine = d->pagine();
    v(!pagine.empty(), QStringLiteral("no pages"));
    std::vector<int> seguito(d->blocchi().size(), 0);
    for (const QString& difetto : controlloPagine::difetti(*d))
        v(false, difetto);
    QImage immagine(60, 85, QImage::Format_RGB32);
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        for (const PezzoPagina& parte : pagine[i].pezzi) {
            const Pezzo& p = comune(parte);
            if (p.blocco < 0 || std::size_t(p.blocco) >= seguito.size()) {
                v(false, QStringLiteral("a piece of no block"));
                continue;
            }
            int& visto = seguito[std::size_t(p.blocco)];
            const auto* riga = std::get_if<PezzoRiga>(&parte);
            if (!riga) {
                v(p.fineLinea > p.primaLinea, QStringLiteral("a piece of block %1 without lines").arg(p.blocco));
            } else if (!riga->ripetuta) {
                v(riga->riga == visto || riga->riga == visto + 1,
                  QStringLiteral("row %1 of block %2 after %3").arg(riga->riga).arg(p.blocco).arg(visto));
                visto = riga->riga;
            }
        }
        immagine.fill(Qt::white);
        QPainter pittore(&immagine);
        d->disegnaPagina(pittore, int(i), 7);
    }
    for (std::size_t b = 0; b < seguito.size(); ++b)
        if (const auto* g = std::get_if<Griglia>(&d->blocchi()[b]))
            v(seguito[b] == g->righe, QStringLiteral("table of %1 rows laid out to row %2").arg(g->righe).arg(seguito[b]));
    return v.mancate();
}

} // namespace fuzz
