#include "help/prodotti.h"

#include "base/numeri.h"
#include "help/datiAiuto.h"
#include "help/recapiti.h"
#include "help/sommario.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"
#include "platform/desktop.h"
#include "platform/righePaginate.h"
#include "report/canaleWord.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr int larghezzaProdotti = 9600;

Pulsante* pulsante(QWidget* area, const QString& nome, const QString& caption, const QString& suggerimento, int left,
                   int top, int width)
{
    auto* p = new Pulsante(area, nome, caption);
    p->setToolTip(suggerimento);
    Finestra::posa(p, left, top, width, 375);
    return p;
}

// A right-aligned cell shows only the end of a text wider than itself: a price that
// does not fit is shown whole in a smaller font.
void mostraPrezzo(Etichetta* cella, const QString& testo)
{
    QFont carattere = caratteri::progetto();
    const double spazio = cella->contentsRect().width() - 2 * cella->margin();
    const auto larghezza = [&] { return std::ceil(QFontMetricsF(carattere).horizontalAdvance(testo)); };
    if (larghezza() > spazio) {
        carattere.setPointSizeF(carattere.pointSizeF() * spazio / larghezza());
        while (larghezza() > spazio && carattere.pointSizeF() > 1)
            carattere.setPointSizeF(carattere.pointSizeF() - 0.25);
    }
    cella->setFont(carattere);
    cella->setCaption(testo);
}

} // namespace

prodotti::prodotti()
{
    setWindowTitle(QStringLiteral("prodotti software BRENTHAL"));
    impostaDimensioniTwips(larghezzaProdotti, altezzaGuida);

    cmdSommario = pulsante(area(), QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"),
                           QStringLiteral("cliccare per visualizzare il sommario della guida"), 120, 120, 1215);
    cmdStampa = pulsante(area(), QStringLiteral("cmdStampa"), QStringLiteral("S&tampa"),
                         QStringLiteral("cliccare per stampare il listino"), 1320, 120, 1215);
    cmdChiudi = pulsante(area(), QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"),
                         QStringLiteral("cliccare per chiudere la finestra sui prodotti"), 2520, 120, 1215);
    Command1 = pulsante(area(), QStringLiteral("Command1"), QStringLiteral("Sito: ") + recapiti::sito,
                        QStringLiteral("clicca per accedere al sito"), 6480, 480, 2415);
    Command2 = pulsante(area(), QStringLiteral("Command2"), QStringLiteral("Email: ") + recapiti::posta,
                        QStringLiteral("clicca per inviare un'email"), 6480, 840, 2415);
    // The addresses in the design font, so that they fit their buttons.
    Command1->setFont(caratteri::progetto());
    Command2->setFont(caratteri::progetto());
    connect(cmdSommario, &Pulsante::Click, this, [this] { cmdSommario_Click(); });
    connect(cmdStampa, &Pulsante::Click, this, [this] { cmdstampa_Click(); });
    connect(cmdChiudi, &Pulsante::Click, this, [this] { cmdchiudi_Click(); });
    connect(Command1, &Pulsante::Click, this, [this] { Command1_Click(); });
    connect(Command2, &Pulsante::Click, this, [this] { Command2_Click(); });

    Label1 = controlli::etichetta(area(), QStringLiteral("Label1"), QStringLiteral("VERSIONI PROFESSIONALI PER WINDOWS - LISTINO"),
                                  600, 840, 4680, 255);
    Label1->setWordWrap(false);
    Label10 = controlli::etichetta(area(), QStringLiteral("Label10"), QString(), 5400, 840, 855, 255);
    Label10->setFont(caratteri::progetto(caratteri::puntiNormali, true));
    Label10->setWordWrap(false);

    // Column headings: two lines where the column is narrow.
    struct Intestazione {
        const char* nome;
        const char* caption;
        int left;
        int width;
    };
    for (const Intestazione& h : {Intestazione{"Label2", "num.", 600, 495}, Intestazione{"Label3", "nome programma", 1080, 1455},
                                  Intestazione{"Label4", "argomento trattato ", 2520, 3975},
                                  Intestazione{"Label5", "costo netto in euro", 6480, 1215},
                                  Intestazione{"Label6", "via internet a euro", 7680, 1215}}) {
        Etichetta* e = controlli::etichetta(area(), QLatin1String(h.nome), QString::fromUtf8(h.caption), h.left, 1320, h.width, 495);
        e->setFont(caratteri::progetto(caratteri::puntiNormali, true));
        e->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }

    const QColor bianco(255, 255, 255);
    righe_ = new RighePaginate(area(), righeVisibili, 1920, 240, 255);
    num = righe_->colonna(QStringLiteral("num"), 600, 495, Qt::AlignLeft, bianco);
    nom = righe_->colonna(QStringLiteral("nom"), 1080, 1455, Qt::AlignLeft, bianco);
    argom = righe_->colonna(QStringLiteral("argom"), 2520, 3975, Qt::AlignLeft, bianco);
    eur = righe_->colonna(QStringLiteral("eur"), 6480, 1215, Qt::AlignRight, bianco);
    off = righe_->colonna(QStringLiteral("off"), 7680, 1215, Qt::AlignRight, bianco);
    for (const auto* colonna : {&num, &nom, &argom, &eur, &off})
        for (int j = 1; j <= righeVisibili; ++j)
            (*colonna)[std::size_t(j)]->setWordWrap(false);
    VScroll1 = righe_->aggiungiBarra(QStringLiteral("VScroll1"), 120, 375, {1, 1, 1, 10});
    connect(righe_, &RighePaginate::pagina, this, [this] { VScroll1_Change(); });
}

prodotti::~prodotti() = default;

void prodotti::Form_Load()
{
    preparaFinestraAiuto(larghezzaProdotti, altezzaGuida);
    listino_ = listino::leggiListinoDa(listino::nomeFile);
    ModKorvel::intestazioneListino = listino_.intestazione;
    Label10->setCaption(ModKorvel::intestazioneListino);
    // The last page shows the last ten records; a shorter list does not page.
    VScroll1->setMax(std::max(1, numeroProdotti() - (righeVisibili - 1)));
    VScroll1->setValue(1);
    VScroll1_Change();
}

void prodotti::VScroll1_Change()
{
    primaRiga_ = VScroll1->Value();
    for (int j = 1; j <= righeVisibili; ++j) {
        const int k = primaRiga_ + j - 1;
        const auto riga = std::size_t(j);
        num[riga]->setCaption(numeri::testoNumero(k));
        if (k >= 1 && k <= numeroProdotti()) {
            const listino::Prodotto& p = listino_.prodotti[std::size_t(k - 1)];
            nom[riga]->setCaption(p.nome);
            argom[riga]->setCaption(p.argomento);
            mostraPrezzo(eur[riga], numeri::testoNumero(p.prezzoListino));
            mostraPrezzo(off[riga], numeri::testoNumero(p.prezzoOfferta));
        } else {
            nom[riga]->setCaption(QString());
            argom[riga]->setCaption(QString());
            eur[riga]->setCaption(QString());
            off[riga]->setCaption(QString());
        }
    }
}

void prodotti::cmdstampa_Click()
{
    using namespace ModKorvel;
    const QString fine(1, QChar(13));
    const int n = numeroProdotti();
    avviaWord();
    intitolaDocumento(QStringLiteral("prodotti software BRENTHAL"));
    impostaCarattere(QStringLiteral("Century Gothic"));
    impostaDimensione(20);
    scriviTesto(QStringLiteral("prodotti software BRENTHAL") + fine + fine);
    impostaDimensione(12);
    scriviTesto(QStringLiteral("acquistabili dalla pagina ") + recapiti::paginaAcquisto + fine + fine);
    aggiungiParagrafo();
    aggiungiTabella(n + 1, 5, 8);
    scriviCella(1, 1, QStringLiteral("numero"));
    scriviCella(1, 2, QStringLiteral("nome del software"));
    scriviCella(1, 3, QStringLiteral("argomento trattato                    "));
    scriviCella(1, 4, QStringLiteral("listino in euro"));
    scriviCella(1, 5, QStringLiteral("in offerta ad euro"));
    for (int i = 1; i <= n; ++i) {
        const listino::Prodotto& p = listino_.prodotti[std::size_t(i - 1)];
        scriviCella(i + 1, 1, numeri::testoConSegno(i));
        scriviCella(i + 1, 2, p.nome);
        scriviCella(i + 1, 3, p.argomento);
        scriviCella(i + 1, 4, numeri::formatta(p.prezzoListino, u"##,##0.00"));
        scriviCella(i + 1, 5, numeri::formatta(p.prezzoOfferta, u"##,##0.00"));
    }
    formattaTabella();
    allineaColonne(1, 1, 4, 5);
}

void prodotti::cmdSommario_Click() { mostra<sommario>(); }

void prodotti::cmdchiudi_Click() { hide(); }

bool prodotti::Link(const QString& indirizzo) { return piattaforma::desktop().apriIndirizzo(indirizzo); }

void prodotti::Command1_Click() { Link(recapiti::paginaCatalogo); }

// Mail programs take "mailto:" directly followed by the address.
void prodotti::Command2_Click() { Link(QStringLiteral("mailto:") + recapiti::posta); }
