#include "ingressi.h"

#include <QtEndian>

#include <cstring>

namespace fuzz {

QByteArray Lettura::byte(qsizetype quanti)
{
    const QByteArray pezzo = dati_.mid(pos_, quanti);
    pos_ += pezzo.size();
    return pezzo;
}

double Lettura::decimale()
{
    QByteArray otto = byte(8);
    while (otto.size() < 8)
        otto.append('\0');
    double x = 0;
    std::memcpy(&x, otto.constData(), sizeof x);
    return x;
}

QString Lettura::unita(int massimo)
{
    const int quante = massimo > 0 ? byte() % (massimo + 1) : 0;
    const QByteArray b = byte(2 * qsizetype(quante));
    QString testo;
    for (qsizetype i = 0; i + 1 < b.size(); i += 2)
        testo += QChar(qFromLittleEndian<quint16>(b.constData() + i));
    return testo;
}

QByteArray Lettura::resto()
{
    const QByteArray r = dati_.mid(pos_);
    pos_ = dati_.size();
    return r;
}

const std::vector<Ingresso>& ingressi()
{
    static const std::vector<Ingresso> tutti = [] {
        std::vector<Ingresso> v = {
            {QStringLiteral("archivio"), provaArchivio},
            {QStringLiteral("impostazioni"), provaImpostazioni},
            {QStringLiteral("numeri"), provaNumeri},
            {QStringLiteral("docx"), provaDocx},
            {QStringLiteral("suggerimenti"), provaSuggerimenti},
            {QStringLiteral("listino"), provaListino},
        };
        for (Ingresso& finestra : ingressiFinestre())
            v.push_back(std::move(finestra));
        return v;
    }();
    return tutti;
}

const Ingresso* ingresso(const QString& nome)
{
    for (const Ingresso& i : ingressi())
        if (i.nome == nome)
            return &i;
    return nullptr;
}

} // namespace fuzz
