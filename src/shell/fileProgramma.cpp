#include "shell/fileProgramma.h"

#include "help/listino.h"
#include "help/suggerimenti.h"
#include "platform/musicaFluid.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace fileProgramma {

namespace {

// Why a file gave nothing: it is not there, or it is but holds nothing usable.
QString mancanza(const QString& percorso, const QString& vuoto)
{
    return QFileInfo(percorso).isFile() ? vuoto : QStringLiteral("non trovato");
}

} // namespace

std::vector<File> cerca()
{
    std::vector<File> file;

    File tips;
    tips.nome = QStringLiteral("suggerimenti");
    tips.percorso = suggerimenti::percorsoSuggerimenti();
    const auto letti = suggerimenti::leggiSuggerimentiDa(tips.percorso);
    tips.trovato = letti && !letti->isEmpty();
    tips.esito = tips.trovato ? QStringLiteral("%1 suggerimenti").arg(letti->size())
                              : mancanza(tips.percorso, QStringLiteral("vuoto o illeggibile"));
    file.push_back(tips);

    File prezzi;
    prezzi.nome = QStringLiteral("listino");
    prezzi.percorso = QFileInfo(QDir::current(), listino::nomeFile).absoluteFilePath();
    const listino::Listino elenco = listino::leggiListinoDa(listino::nomeFile);
    prezzi.trovato = !elenco.prodotti.empty();
    prezzi.esito = prezzi.trovato ? QStringLiteral("%1 prodotti").arg(elenco.prodotti.size())
                                  : mancanza(prezzi.percorso, QStringLiteral("senza prodotti o illeggibile"));
    file.push_back(prezzi);

    File brano;
    brano.nome = QStringLiteral("brano");
    brano.percorso = piattaforma::MusicaFluidSynth::fileMidi(frmSplash::brano);
    brano.trovato = !brano.percorso.isEmpty();
    if (!brano.trovato)
        brano.percorso = QFileInfo(QDir::current(), frmSplash::brano).absoluteFilePath();
    brano.esito = brano.trovato ? QStringLiteral("file MIDI") : mancanza(brano.percorso, QStringLiteral("non è un file MIDI"));
    file.push_back(brano);
    return file;
}

int verifica()
{
    bool tutti = true;
    for (const File& f : cerca()) {
        const QByteArray riga = QStringLiteral("%1: %2 (%3)\n").arg(f.nome, f.percorso, f.esito).toUtf8();
        std::fwrite(riga.constData(), 1, std::size_t(riga.size()), stdout);
        tutti = tutti && f.trovato;
    }
    std::fflush(stdout);
    return tutti ? 0 : 1;
}

} // namespace fileProgramma
