#include "shell/corniceFinestra.h"

#include "base/ModKorvel.h"
#include "platform/controlli.h"
#include "platform/messaggi.h"
#include "shell/immagini.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <cstdlib>

using piattaforma::ColoreRGB;
using piattaforma::RGB;

namespace {

constexpr ColoreRGB grigioRiposante = 0xC0C0C0;
constexpr ColoreRGB coloreDiProgetto = RGB(128, 128, 128);

// Design positions of the frame's controls (twips).
constexpr int altezzaBarra = 420;
constexpr int topPulsanti = 5760;
constexpr int larghezzaPulsante = 1095;
constexpr int altezzaPulsante = 375;

} // namespace

const ProfiloFinestra& FinestraLavoro::profilo() const { return profiliFinestre::profilo(numero_); }

// ---- construction ----

FinestraLavoro::FinestraLavoro(int numero) : numero_(numero)
{
    impostaDimensioniTwips(9600, 6825);
    setBackColor(coloreDiProgetto);

    CommonDialog1.FileName = profilo().prefissoFile;

    costruisciMenu();
    costruisciBarra();

    passo = new Etichetta(area(), QStringLiteral("passo"));
    posa(passo, 2400, 5640, 4695, 450);
    passo->setWordWrap(true);
    passo->setBackColor(QColor(255, 255, 0));
    passo->setForeColor(QColor(0, 0, 0));
    passo->setToolTip(profilo().diSolaLettura ? QStringLiteral("indicazioni sulle funzioni della finestra")
                                    : QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));

    costruisciPulsanti();
}

FinestraLavoro::~FinestraLavoro() = default;

QAction* FinestraLavoro::aggiungiVoce(QMenu* menu, const QString& nome, const QString& testo,
                                      std::function<void()> azione)
{
    QAction* voce = menu->addAction(testo);
    voce->setObjectName(nome);
    connect(voce, &QAction::triggered, this, [azione = std::move(azione)] { azione(); });
    voci_.insert(nome, voce);
    return voce;
}

void FinestraLavoro::costruisciMenu()
{
    const int k = numero_;
    const ProfiloFinestra& riga = profilo();
    barraMenu_ = new QMenuBar(this);
    barraMenu_->setObjectName(QStringLiteral("qt_barraMenu"));
    barraMenu_->setNativeMenuBar(false);

    // File
    QMenu* file = barraMenu_->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    aggiungiVoce(file, QStringLiteral("apri"), QStringLiteral("&Apri..."), [this] { apri_Click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("salva"), QStringLiteral("&Salva"), [this] { salva_Click(); });
    aggiungiVoce(file, QStringLiteral("salvanome"), QStringLiteral("Salva con &nome..."), [this] { salvanome_Click(); });
    file->addSeparator();
    aggiungiVoce(file, QStringLiteral("eliminare"), QStringLiteral("&Elimina..."), [this] { eliminare_click(); });
    file->addSeparator();
    if (!riga.sottomenuStampa.isEmpty()) {
        QMenu* stamp = file->addMenu(QStringLiteral("S&tampa"));
        stamp->setObjectName(QStringLiteral("stamp"));
        voci_.insert(QStringLiteral("stamp"), stamp->menuAction());
        for (const VoceStampa& v : riga.sottomenuStampa)
            aggiungiVoce(stamp, v.nome, v.testo, [this, operazione = v.operazione] { (this->*operazione)(); });
    } else {
        aggiungiVoce(file, QStringLiteral("stampa"), QStringLiteral("S&tampa dati finestra"), [this] { stampa_Click(); });
    }
    file->addSeparator();
    aggiungiVoce(file, riga.nomeEsci, QStringLiteral("Es&ci"),
                 [] { profiliFinestre::destinazioni().esci(); });

    // Modifica
    QMenu* modif = barraMenu_->addMenu(QStringLiteral("&Modifica"));
    modif->setObjectName(riga.nomeModifica);
    aggiungiVoce(modif, riga.nomeColore, QStringLiteral("&Colore di sfondo"), [this] { coloraSfondo(); });
    modif->addSeparator();
    aggiungiVoce(modif, riga.nomeControllo, QStringLiteral("Controllo &dati immessi"), [this] { controlla_Click(); });
    modif->addSeparator();
    aggiungiVoce(modif, QStringLiteral("cancella"), QStringLiteral("C&ancella dati finestra"), [this] { cancella_click(); });

    // Visualizza
    QMenu* visu = barraMenu_->addMenu(QStringLiteral("&Visualizza"));
    visu->setObjectName(QStringLiteral("visu"));
    for (int j = 1; j <= 8; ++j) {
        const ProfiloFinestra& mostrata = profiliFinestre::profilo(j);
        const QString testo = riga.testiVisualizza.value(j, QStringLiteral("Finestra ") + mostrata.titolo);
        QAction* voce = aggiungiVoce(visu, QStringLiteral("fin%1").arg(j), testo, [this, j] { fin_Click(j); });
        voce->setData(j);
        if (j == k) {
            voce->setCheckable(true);
            voce->setChecked(true);
            // A click must not take the mark away.
            connect(voce, &QAction::toggled, voce, [voce] { voce->setChecked(true); });
        }
        if (mostrata.separatoreInVisualizza)
            visu->addSeparator();
    }

    // ?
    QMenu* inter = barraMenu_->addMenu(QStringLiteral("&?"));
    inter->setObjectName(riga.nomeAiuto);
    aggiungiVoce(inter, QStringLiteral("guida"), QStringLiteral("&Guida in linea"), [] { profiliFinestre::destinazioni().sommario(); });
    aggiungiVoce(inter, riga.nomeSuggerimenti, QStringLiteral("&Suggerimenti..."),
                 [] { profiliFinestre::destinazioni().suggerimenti(); });
    inter->addSeparator();
    aggiungiVoce(inter, QStringLiteral("supporto"), QStringLiteral("Supporto &prodotto"), [] { profiliFinestre::destinazioni().supporto(); });
    inter->addSeparator();
    aggiungiVoce(inter, QStringLiteral("informazioni"), QStringLiteral("&Informazioni su Korvel"), [] { profiliFinestre::destinazioni().informazioni(); });

    // The right-hand entry: a plain entry, pushed to the right end of the bar.
    const QString testoFinestra = QStringLiteral("Fi&nestra n.%1 di 8").arg(k);
    auto* finestraVoce = new QAction(testoFinestra, this);
    finestraVoce->setObjectName(QStringLiteral("finestra"));
    connect(finestraVoce, &QAction::triggered, this, [this] { mostraGuidaFinestra(); });
    voci_.insert(QStringLiteral("finestra"), finestraVoce);
    auto* destra = new QToolButton(barraMenu_);
    destra->setObjectName(QStringLiteral("qt_finestra"));
    destra->setText(testoFinestra);
    destra->setAutoRaise(true);
    destra->setFocusPolicy(Qt::NoFocus);
    connect(destra, &QToolButton::clicked, finestraVoce, &QAction::trigger);
    barraMenu_->setCornerWidget(destra, Qt::TopRightCorner);

    for (const QString& nome : riga.vociDisabilitate)
        if (QAction* voce = voci_.value(nome))
            voce->setEnabled(false);

    impostaMenuBar(barraMenu_);
}

void FinestraLavoro::costruisciBarra()
{
    static const char* const suggerimenti[] = {
        nullptr,
        "apri file",
        "salva file",
        "elimina file",
        nullptr, // the window's own
        "visualizza finestra 'Menu'",
        "visualizza finestra 'Dati climatici'",
        "visualizza finestra 'Trasmittanza'",
        "visualizza finestra 'Calcolo di fattibilità'",
        "visualizza finestra 'Risultati'",
        "visualizza finestra 'Calcolo dettagliato'",
        "visualizza finestra 'Risultati dettagliati'",
        "visualizza finestra 'Frontespizio'",
        "colore di sfondo",
        "guida in linea",
        "suggerimenti",
        "supporto prodotto",
        "informazioni su Korvel",
        nullptr,
        "controllo dati immessi",
        "cancella dati finestra",
        "uscita da Korvel",
    };
    static const char* const chiavi[] = {nullptr, "apri", "salva", "eliminare"};

    Toolbar1 = new QToolBar(area());
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(18, 18));
    // The toolbar keeps the system's colour whatever the window's background.
    QPalette tavolozza = Toolbar1->palette();
    tavolozza.setColor(QPalette::Window, tavolozza.color(QPalette::Window));
    tavolozza.setColor(QPalette::Button, tavolozza.color(QPalette::Button));
    Toolbar1->setPalette(tavolozza);
    Toolbar1->setAutoFillBackground(true);
    posa(Toolbar1, 0, 0, 9600, altezzaBarra);
    controlli::impostaTag(Toolbar1, QStringLiteral("@W"));

    const QList<int>& disabilitati = profilo().pulsantiDisabilitati;
    for (int i = 1; i <= 21; ++i) {
        QAction* pulsante = nullptr;
        if (i == 18) {
            pulsante = Toolbar1->addSeparator();
        } else {
            pulsante = Toolbar1->addAction(immagini::iconaBarra(i), QString());
            const QString suggerimento = i == 4 ? profilo().suggerimentoStampa : QString::fromUtf8(suggerimenti[i]);
            pulsante->setToolTip(suggerimento);
            pulsante->setText(suggerimento);
            if (i <= 3)
                pulsante->setData(QString::fromLatin1(chiavi[i]));
            connect(pulsante, &QAction::triggered, this, [this, i] { Toolbar1_ButtonClick(i); });
        }
        pulsante->setProperty("indice", i);
        pulsante->setEnabled(!disabilitati.contains(i));
        pulsanti_[size_t(i)] = pulsante;
    }
}

void FinestraLavoro::costruisciPulsanti()
{
    const ProfiloFinestra& riga = profilo();
    esco = new Pulsante(area(), riga.nomeUscita, riga.testoUscita);
    aiuto = new Pulsante(area(), QStringLiteral("aiuto"), QStringLiteral("&AIUTO"));
    guidainlinea = new Pulsante(area(), QStringLiteral("guidainlinea"), QStringLiteral("&Guida in linea"));
    if (riga.pulsanteMenu)
        men = new Pulsante(area(), QStringLiteral("men"), QStringLiteral("M&enu"));

    // Narrow enough for two buttons left of the hint line.
    QFont stretto = esco->font();
    stretto.setPointSizeF(8);
    stretto.setStretch(QFont::SemiCondensed);
    for (Pulsante* p : {esco, aiuto, guidainlinea, men})
        if (p)
            p->setFont(stretto);
    // A gap of three pixels between the two buttons and before the hint line.
    posa(aiuto, 120, topPulsanti, larghezzaPulsante - 105, altezzaPulsante);
    posa(guidainlinea, 1155, topPulsanti, larghezzaPulsante + 105, altezzaPulsante);
    posa(esco, 8280, topPulsanti, larghezzaPulsante, altezzaPulsante);
    if (men)
        posa(men, 7200, topPulsanti, larghezzaPulsante - 60, altezzaPulsante);

    if (riga.pulsantiIllustrati) {
        // Pictures and captions together need more room.
        for (Pulsante* p : {esco, aiuto, guidainlinea})
            p->setIconSize(QSize(12, 12));
        posa(aiuto, 120, topPulsanti, 870, altezzaPulsante);
        posa(guidainlinea, 1035, topPulsanti, 1320, altezzaPulsante);
        esco->setIcon(immagini::iconaPulsante(immagini::Uscita));
        aiuto->setIcon(immagini::iconaPulsante(immagini::Aiuto));
        guidainlinea->setIcon(immagini::iconaPulsante(immagini::Guida));
    } else {
        esco->setToolTip(QStringLiteral("cliccare per uscire da Korvel"));
        aiuto->setToolTip(QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
        guidainlinea->setToolTip(riga.suggerimentoGuida);
    }
    if (men)
        men->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Menu"));

    connect(esco, &Pulsante::Click, this, [] { profiliFinestre::destinazioni().esci(); });
    connect(aiuto, &Pulsante::Click, this, [this] { mostraAiuto(); });
    connect(guidainlinea, &Pulsante::Click, this, [] { profiliFinestre::destinazioni().sommario(); });
    if (men)
        connect(men, &Pulsante::Click, this, [] { mostraFinestraNumero(1); });
}

QAction* FinestraLavoro::pulsanteBarra(int indice) const
{
    return (indice >= 1 && indice <= 21) ? pulsanti_[size_t(indice)] : nullptr;
}

QAction* FinestraLavoro::voce(const QString& nome) const { return voci_.value(nome); }

// ---- background colour ----

piattaforma::ColoreRGB FinestraLavoro::BackColor() const
{
    const QColor c = palette().color(QPalette::Window);
    return RGB(c.red(), c.green(), c.blue());
}

void FinestraLavoro::setBackColor(piattaforma::ColoreRGB colore)
{
    QPalette p = palette();
    const QColor sfondo(piattaforma::rossoDi(colore), piattaforma::verdeDi(colore), piattaforma::bluDi(colore));
    p.setColor(QPalette::Window, sfondo);
    // The toolkit's disabled grey vanishes on the grey of the windows. A disabled caption
    // takes the grey nearest the background that still reads on it (contrast 3:1 and
    // some margin), on the side away from the enabled text, so it stays readable and
    // still looks disabled on whatever background the user chose.
    using controlli::contrasto;
    const int chiarezza = sfondo.lightness();
    const auto leggibile = [&](int g) {
        return contrasto(QColor(g, g, g), sfondo) >= 3.2 && std::abs(g - chiarezza) >= 60;
    };
    int chiaro = chiarezza;
    while (chiaro <= 255 && !leggibile(chiaro))
        ++chiaro;
    int scuro = chiarezza;
    while (scuro >= 0 && !leggibile(scuro))
        --scuro;
    const QColor attivo = p.color(QPalette::Active, QPalette::WindowText);
    int grigio = chiarezza > 140 ? chiarezza - 80 : chiarezza + 80;
    if (chiaro <= 255 && scuro >= 0)
        grigio = contrasto(QColor(chiaro, chiaro, chiaro), attivo) >= contrasto(QColor(scuro, scuro, scuro), attivo)
            ? chiaro
            : scuro;
    else if (chiaro <= 255)
        grigio = chiaro;
    else if (scuro >= 0)
        grigio = scuro;
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(grigio, grigio, grigio));
    setPalette(p);
    setAutoFillBackground(true);
    // The menu bar keeps the system's colour.
    if (barraMenu_) {
        QPalette sistema = barraMenu_->palette();
        sistema.setColor(QPalette::Window, QApplication::palette(barraMenu_).color(QPalette::Window));
        barraMenu_->setPalette(sistema);
    }
}

void FinestraLavoro::coloraSfondo()
{
    // A window without a grey order (dettagliato) goes to the colour dialog at once.
    if (!profilo().ordineGrigio.isEmpty() && BackColor() != grigioRiposante) {
        const int risposta = piattaforma::msgBox(QStringLiteral("Colori uguali e riposanti (grigio) per tutte le finestre?"),
                                                 piattaforma::vbYesNo, ModKorvel::titoloColore);
        if (risposta != piattaforma::vbNo) {
            // Windows not loaded are loaded here and stay hidden.
            for (int k : profilo().ordineGrigio)
                finestraLavoro(k).setBackColor(grigioRiposante);
            return;
        }
    }
    CommonDialog1.Flags = 1;
    CommonDialog1.Color = BackColor();
    if (!CommonDialog1.ShowColor())
        return;
    ModKorvel::coloreSfondo = CommonDialog1.Color;
    setBackColor(ModKorvel::coloreSfondo);
}

// ---- navigation and help ----

void FinestraLavoro::mostraFinestra(int k) { mostraFinestraNumero(k); }

void FinestraLavoro::fin_Click(int k)
{
    if (k == numero_)
        chiediGuidaFinestra();
    else
        mostraFinestra(k);
}

void FinestraLavoro::chiediGuidaFinestra()
{
    const QString testo = QStringLiteral("E' questa la finestra '") + profilo().titolo
        + QStringLiteral("': si vuole la guida della finestra?");
    if (piattaforma::msgBox(testo, piattaforma::vbYesNo + piattaforma::vbQuestion, ModKorvel::titoloAiuto) == piattaforma::vbNo)
        return;
    mostraGuidaFinestra();
}

void FinestraLavoro::mostraGuidaFinestra()
{
    if (profilo().mostraGuida)
        profilo().mostraGuida();
}

QStringList FinestraLavoro::righeAiuto() const { return profilo().righeAiuto; }

void FinestraLavoro::mostraAiuto()
{
    piattaforma::msgBox(righeAiuto().join(QChar(13)), piattaforma::vbInformation, ModKorvel::titoloAiuto);
}

// ---- saving ----

void FinestraLavoro::salvaDatiCalcolo(bool conNome)
{
    CommonDialog1.DialogTitle = conNome ? QStringLiteral("Salva file con nome") : QStringLiteral("Salva file");
    if (conNome)
        ModKorvel::nomeFile.clear();
    scrivoArchivio();
}

// ---- deletion ----

void FinestraLavoro::eliminare_click()
{
    if (profilo().eliminaCon != 0)
        finestraLavoro(profilo().eliminaCon).eliminare_click();
    else
        eliminaFile();
}

void FinestraLavoro::eliminaFile()
{
    CommonDialog1.Filter = profilo().filtroElimina;
    CommonDialog1.FilterIndex = 2;
    CommonDialog1.DialogTitle = ModKorvel::titoloElimina;
    if (!CommonDialog1.ShowOpen())
        return;
    // No confirmation and no report: a file that cannot go stays where it is.
    if (!CommonDialog1.FileName.isEmpty())
        QFile::remove(CommonDialog1.FileName);
}

// ---- toolbar ----

void FinestraLavoro::Toolbar1_ButtonClick(int indice)
{
    const QAction* pulsante = pulsanteBarra(indice);
    if (!pulsante || !pulsante->isEnabled())
        return;
    switch (indice) {
    case 1: apri_Click(); break;
    case 2: salva_Click(); break;
    case 3: eliminare_click(); break;
    case 4: stampa_Click(); break;
    case 5: case 6: case 7: case 8: case 9: case 10: case 11: case 12: fin_Click(indice - 4); break;
    case 13: coloraSfondo(); break;
    case 14: profiliFinestre::destinazioni().sommario(); break;
    case 15: profiliFinestre::destinazioni().suggerimenti(); break;
    case 16: profiliFinestre::destinazioni().supporto(); break;
    case 17: profiliFinestre::destinazioni().informazioni(); break;
    case 19: controlla_Click(); break;
    case 20: cancella_click(); break;
    case 21: profiliFinestre::destinazioni().esci(); break;
    default: break;
    }
}

// ---- load, resize, unload ----

void FinestraLavoro::Form_Load()
{
    ModKorvel::inizializzaDati();
    resize_ = std::make_unique<clsResize>();
    resize_->setSourceForm(this);
    resize_->SizeFormToScreen(75);
    impostaDimensioniTwips(9600, 6825);
    // A hidden window gets its resize event only when shown: lay out now.
    resize_->ResizeControls();
    setWindowTitle(profilo().caption);
    caricaFinestra();
}

void FinestraLavoro::Form_Resize()
{
    if (resize_)
        resize_->ResizeControls();
}

void FinestraLavoro::Form_Unload() { resize_.reset(); }
