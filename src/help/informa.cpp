#include "help/informa.h"

#include "base/ModKorvel.h"
#include "base/numeri.h"
#include "help/lineeDecorative.h"
#include "platform/caratteri.h"
#include "platform/controlli.h"

#include <QDate>

informa::informa()
{
    impostaDimensioniTwips(6975, 4020);
    setFixedSize(size());

    QFont nome(QStringLiteral("Arial Black"));
    nome.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    nome.setPointSizeF(24);
    nome.setWeight(QFont::Black);

    Label1 = controlli::etichetta(area(), QStringLiteral("Label1"), QString(), 240, 360, 6495, 615);
    Label1->setFont(nome);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2 = controlli::etichetta(area(), QStringLiteral("Label2"), QString(), 240, 960, 6495, 375);
    Label2->setFont(caratteri::progetto(9.75));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5 = controlli::etichetta(area(), QStringLiteral("Label5"), QStringLiteral("per sistemi Windows a 32 bit "), 2400, 1440, 2655, 255);
    Label5->setWordWrap(false);
    Label6 = controlli::etichetta(area(), QStringLiteral("Label6"), QString(), 1320, 1680, 4335, 255);
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label6->setWordWrap(false);

    cmdOK = new Pulsante(area(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    posa(cmdOK, 5160, 3120, 1575, 495);
    connect(cmdOK, &Pulsante::Click, this, [this] { cmdOK_Click(); });

    lineeDecorative::linea(area(), 240, 2280, 6495);
    lineeDecorative::linea(area(), 240, 2340, 6495);
    lineeDecorative::linea(area(), 240, 2880, 6495);
}

informa::~informa() = default;

QString informa::rigaVersione()
{
    using namespace ModKorvel;
    const QDate inizio = QDate::fromString(dataInizio, QStringLiteral("dd/MM/yyyy"));
    return QStringLiteral("edizione professionale - versione ") + versione + QStringLiteral("  ")
        + numeri::testoConSegno(inizio.isValid() ? inizio.year() : 0) + QStringLiteral("- 20") + dataRilascio.right(2);
}

void informa::Form_Load()
{
    setWindowTitle(QStringLiteral("Informazioni su ") + ModKorvel::nomeProgramma);
    Label1->setCaption(ModKorvel::nomeProgramma);
    Label2->setCaption(ModKorvel::sottotitolo);
    Label6->setCaption(rigaVersione());
}

void informa::cmdOK_Click() { hide(); }
