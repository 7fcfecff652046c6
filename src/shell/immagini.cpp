#include "shell/immagini.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

// The icon's pictures are compiled into this static library; the reference keeps the
// linker from dropping them.
static void caricaRisorseIcona() { Q_INIT_RESOURCE(korvel); }

namespace immagini {

namespace {

constexpr int lato = 32;

QPixmap tela()
{
    QPixmap p(lato, lato);
    p.fill(Qt::transparent);
    return p;
}

void foglio(QPainter& p, QRectF r)
{
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (qreal y = r.top() + 5; y < r.bottom() - 3; y += 4)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void cartella(QPainter& p)
{
    p.setPen(QPen(QColor(140, 100, 0), 1.2));
    p.setBrush(QColor(240, 200, 60));
    QPainterPath dietro;
    dietro.moveTo(3, 8);
    dietro.lineTo(12, 8);
    dietro.lineTo(14, 11);
    dietro.lineTo(28, 11);
    dietro.lineTo(28, 26);
    dietro.lineTo(3, 26);
    dietro.closeSubpath();
    p.drawPath(dietro);
    p.setBrush(QColor(255, 225, 110));
    QPolygonF davanti;
    davanti << QPointF(7, 15) << QPointF(31, 15) << QPointF(27, 26) << QPointF(3, 26);
    p.drawPolygon(davanti);
}

void dischetto(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 90), 1.2));
    p.setBrush(QColor(50, 90, 170));
    QPainterPath corpo;
    corpo.moveTo(4, 4);
    corpo.lineTo(25, 4);
    corpo.lineTo(28, 7);
    corpo.lineTo(28, 28);
    corpo.lineTo(4, 28);
    corpo.closeSubpath();
    p.drawPath(corpo);
    p.setBrush(QColor(220, 220, 230));
    p.drawRect(QRectF(9, 4, 13, 9));
    p.setBrush(QColor(50, 90, 170));
    p.drawRect(QRectF(17, 5.5, 3, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
}

void stampante(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 10));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 180, 40));
    p.drawEllipse(QPointF(25, 15.5), 1.5, 1.5);
}

void finestrella(QPainter& p, int numero)
{
    p.setPen(QPen(QColor(30, 30, 80), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(QColor(40, 80, 190));
    p.drawRect(QRectF(3, 5, 26, 6));
    QFont f = p.font();
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 30, 80));
    p.drawText(QRectF(3, 11, 26, 16), Qt::AlignCenter, QString::number(numero));
}

void tavolozza(QPainter& p)
{
    p.setPen(QPen(QColor(120, 80, 40), 1.2));
    p.setBrush(QColor(235, 200, 150));
    QPainterPath forma;
    forma.addEllipse(QRectF(3, 5, 26, 22));
    QPainterPath buco;
    buco.addEllipse(QRectF(17, 18, 6, 5));
    p.drawPath(forma.subtracted(buco));
    const QColor colori[] = {QColor(220, 30, 30), QColor(30, 90, 220), QColor(30, 170, 50), QColor(250, 210, 20)};
    const QPointF centri[] = {QPointF(9, 12), QPointF(15, 9), QPointF(22, 11), QPointF(9, 19)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colori[i]);
        p.drawEllipse(centri[i], 2.6, 2.6);
    }
}

void cerchioConLettera(QPainter& p, const QColor& fondo, const QString& lettera)
{
    p.setPen(QPen(fondo.darker(140), 1.2));
    p.setBrush(fondo);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont f = p.font();
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, lettera);
}

void lampadina(QPainter& p)
{
    QRadialGradient luce(QPointF(15, 11), 10);
    luce.setColorAt(0, QColor(255, 255, 200));
    luce.setColorAt(1, QColor(250, 210, 30));
    p.setPen(QPen(QColor(150, 120, 0), 1.2));
    p.setBrush(luce);
    QPainterPath bulbo;
    bulbo.addEllipse(QRectF(7, 2, 18, 18));
    p.drawPath(bulbo);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(11, 19, 10, 8));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(11, 22), QPointF(21, 22));
    p.drawLine(QPointF(11, 25), QPointF(21, 25));
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(13, 27, 6, 2.5));
}

void salvagente(QPainter& p)
{
    p.setPen(QPen(QColor(120, 0, 0), 1.2));
    QPainterPath anello;
    anello.addEllipse(QRectF(3, 3, 26, 26));
    QPainterPath centro;
    centro.addEllipse(QRectF(10, 10, 12, 12));
    anello = anello.subtracted(centro);
    p.setBrush(Qt::white);
    p.drawPath(anello);
    p.setBrush(QColor(220, 30, 30));
    p.setClipPath(anello);
    for (int i = 0; i < 4; ++i)
        p.drawPie(QRectF(1, 1, 30, 30), (45 + 90 * i - 20) * 16, 40 * 16);
    p.setClipping(false);
}

void abc(QPainter& p)
{
    QFont f = p.font();
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(20, 20, 120));
    p.drawText(QRectF(0, 2, 32, 14), Qt::AlignCenter, QStringLiteral("ABC"));
    p.setPen(QPen(QColor(20, 150, 40), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF spunta;
    spunta << QPointF(8, 21) << QPointF(14, 27) << QPointF(25, 16);
    p.drawPolyline(spunta);
}

void gomma(QPainter& p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-35);
    p.setPen(QPen(QColor(110, 40, 40), 1.2));
    p.setBrush(QColor(235, 120, 130));
    p.drawRoundedRect(QRectF(-12, -6, 14, 12), 2, 2);
    p.setBrush(QColor(80, 110, 200));
    p.drawRoundedRect(QRectF(2, -6, 10, 12), 2, 2);
    p.restore();
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    p.drawLine(QPointF(3, 29), QPointF(20, 29));
}

void porta(QPainter& p)
{
    p.setPen(QPen(QColor(80, 50, 20), 1.2));
    p.setBrush(QColor(160, 110, 60));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setBrush(QColor(250, 220, 80));
    p.drawEllipse(QPointF(15, 16), 1.3, 1.3);
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(17, 16), QPointF(29, 16));
    QPolygonF punta;
    punta << QPointF(24, 11) << QPointF(29, 16) << QPointF(24, 21);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(punta);
}

void croce(QPainter& p)
{
    p.setPen(QPen(QColor(210, 20, 20), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(28, 28));
    p.drawLine(QPointF(28, 15), QPointF(15, 28));
}

} // namespace

QIcon iconaBarra(int indice)
{
    if (indice < 1 || indice > 21 || indice == 18)
        return QIcon();
    QPixmap pixmap = tela();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (indice) {
    case 1: cartella(p); break;
    case 2: dischetto(p); break;
    case 3:
        foglio(p, QRectF(4, 3, 18, 24));
        croce(p);
        break;
    case 4: stampante(p); break;
    case 13: tavolozza(p); break;
    case 14: cerchioConLettera(p, QColor(40, 90, 200), QStringLiteral("?")); break;
    case 15: lampadina(p); break;
    case 16: salvagente(p); break;
    case 17: cerchioConLettera(p, QColor(30, 140, 60), QStringLiteral("i")); break;
    case 19: abc(p); break;
    case 20: gomma(p); break;
    case 21: porta(p); break;
    default: finestrella(p, indice - 4); break;
    }
    p.end();
    return QIcon(pixmap);
}

QIcon iconaPulsante(Pulsante quale)
{
    QPixmap pixmap = tela();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (quale) {
    case Uscita: porta(p); break;
    case Aiuto: cerchioConLettera(p, QColor(40, 90, 200), QStringLiteral("?")); break;
    case Guida:
        p.setPen(QPen(QColor(20, 60, 20), 1.2));
        p.setBrush(QColor(40, 130, 60));
        p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 6, 14, 20));
        p.setPen(QPen(QColor(40, 130, 60), 1));
        for (int y = 10; y <= 22; y += 4)
            p.drawLine(11, y, 21, y);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

QPixmap immagineTitolo(QSize dimensione)
{
    QPixmap pixmap(dimensione);
    const qreal w = dimensione.width();
    const qreal h = dimensione.height();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient cielo(0, 0, 0, h);
    cielo.setColorAt(0, QColor(70, 140, 230));
    cielo.setColorAt(0.7, QColor(180, 220, 250));
    p.fillRect(pixmap.rect(), cielo);

    // The sun and its rays.
    const QPointF sole(w * 0.74, h * 0.26);
    const qreal raggio = qMin(w, h) * 0.12;
    p.setPen(QPen(QColor(255, 200, 40), qMax<qreal>(1.5, raggio * 0.12), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i);
        p.drawLine(sole + QPointF(qCos(a), qSin(a)) * raggio * 1.35, sole + QPointF(qCos(a), qSin(a)) * raggio * 1.9);
    }
    QRadialGradient disco(sole, raggio);
    disco.setColorAt(0, QColor(255, 250, 190));
    disco.setColorAt(1, QColor(255, 190, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(disco);
    p.drawEllipse(sole, raggio, raggio);

    // Ground.
    p.setBrush(QColor(90, 160, 70));
    p.drawRect(QRectF(0, h * 0.82, w, h * 0.18));

    // House with a pitched roof facing the sun.
    const QRectF muro(w * 0.12, h * 0.55, w * 0.46, h * 0.28);
    p.setBrush(QColor(235, 225, 200));
    p.setPen(QPen(QColor(120, 100, 80), 1));
    p.drawRect(muro);
    p.setBrush(QColor(150, 110, 80));
    p.drawRect(QRectF(muro.left() + muro.width() * 0.42, muro.top() + muro.height() * 0.4, muro.width() * 0.16,
                      muro.height() * 0.6));
    p.setBrush(QColor(170, 200, 230));
    p.drawRect(QRectF(muro.left() + muro.width() * 0.1, muro.top() + muro.height() * 0.25, muro.width() * 0.2,
                      muro.height() * 0.3));
    p.drawRect(QRectF(muro.left() + muro.width() * 0.7, muro.top() + muro.height() * 0.25, muro.width() * 0.2,
                      muro.height() * 0.3));
    QPolygonF tetto;
    tetto << QPointF(muro.left() - w * 0.03, muro.top()) << QPointF(muro.left() + muro.width() * 0.35, h * 0.36)
          << QPointF(muro.right() + w * 0.03, muro.top());
    p.setBrush(QColor(180, 70, 50));
    p.drawPolygon(tetto);

    // The collector on the slope facing the sun.
    const QPointF a = tetto[1];
    const QPointF b = tetto[2];
    const QPointF verso = (b - a) / 1.0;
    const QPointF inizio = a + verso * 0.18;
    const QPointF fine = a + verso * 0.78;
    const qreal spessore = h * 0.055;
    QPolygonF pannello;
    pannello << inizio << fine << fine + QPointF(0, -spessore) << inizio + QPointF(0, -spessore);
    p.setBrush(QColor(30, 50, 110));
    p.setPen(QPen(QColor(200, 200, 210), 1.2));
    p.drawPolygon(pannello);
    for (int i = 1; i < 4; ++i) {
        const QPointF q = inizio + (fine - inizio) * (i / 4.0);
        p.drawLine(q, q + QPointF(0, -spessore));
    }
    p.end();
    return pixmap;
}

QIcon iconaProgramma()
{
    static const bool caricate = (caricaRisorseIcona(), true);
    (void)caricate;
    QIcon icona;
    for (int lato : {16, 22, 24, 32, 48, 64, 128, 256})
        icona.addFile(QStringLiteral(":/icone/korvel-%1.png").arg(lato), QSize(lato, lato));
    return icona;
}

} // namespace immagini
