// The tips file and the price list, files that come from outside: whatever they hold,
// the readers give a short, clean list, and the windows page within it.
#include "ingressi.h"

#include "base/archivio.h"
#include "base/valore.h"
#include "help/frmTip.h"
#include "help/listino.h"
#include "help/prodotti.h"
#include "help/suggerimenti.h"
#include "platform/controlli.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <set>

namespace fuzz {

namespace {

QTemporaryDir& cartella()
{
    static QTemporaryDir c;
    return c;
}

QString scriviFile(Verifica& v, const QString& nome, const QByteArray& dati)
{
    const QString percorso = cartella().filePath(nome);
    QFile file(percorso);
    v(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(dati) == dati.size(),
      QStringLiteral("the input cannot be written"));
    return percorso;
}

// A text a label can show on one line: no control character but the tab, and no
// half of a character made of two code units.
bool pulito(const QString& t)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c != QLatin1Char('\t') && c.category() == QChar::Other_Control)
            return false;
        if (c.isHighSurrogate() && !(i + 1 < t.size() && t[i + 1].isLowSurrogate()))
            return false;
        if (c.isLowSurrogate() && !(i > 0 && t[i - 1].isHighSurrogate()))
            return false;
    }
    return true;
}

bool stessiProdotti(const listino::Listino& a, const listino::Listino& b)
{
    return a.intestazione == b.intestazione
        && std::equal(a.prodotti.begin(), a.prodotti.end(), b.prodotti.begin(), b.prodotti.end(),
                      [](const listino::Prodotto& x, const listino::Prodotto& y) {
                          return x.nome == y.nome && x.argomento == y.argomento && x.prezzoListino == y.prezzoListino
                              && x.prezzoOfferta == y.prezzoOfferta;
                      });
}

// The price-list window as it loads from the working folder, paged to its end.
void provaProdotti(Verifica& v, const listino::Listino& atteso)
{
    const QString prima = QDir::currentPath();
    QDir::setCurrent(cartella().path());
    Unica<prodotti>::scarica();
    modelloFinestre::eliminaScaricate();
    prodotti& p = finestra<prodotti>();
    QDir::setCurrent(prima);

    const int n = p.numeroProdotti();
    v(n == int(atteso.prodotti.size()) && p.Label10->Caption() == atteso.intestazione,
      QStringLiteral("the window shows another list than the reader gives"));
    v(p.VScroll1->Max() >= p.VScroll1->Min(), QStringLiteral("the scroll bar's maximum is below its minimum"));
    p.VScroll1->setValue(p.VScroll1->Max() + 1);
    const int primo = p.primaRiga();
    v(primo >= 1 && (n <= prodotti::righeVisibili ? primo == 1 : primo == n - prodotti::righeVisibili + 1),
      QStringLiteral("the last page begins at record %1 of %2").arg(primo).arg(n));
    if (n > 0 && n - primo + 1 <= prodotti::righeVisibili)
        v(p.nom[std::size_t(n - primo + 1)]->Caption() == atteso.prodotti.back().nome,
          QStringLiteral("the last page does not end with the last record"));
    Unica<prodotti>::scarica();
    modelloFinestre::eliminaScaricate();
}

} // namespace

QStringList provaSuggerimenti(const QByteArray& dati)
{
    Verifica v;
    const QStringList tips = suggerimenti::leggiSuggerimenti(dati);
    v(tips.size() <= std::min(dati.size(), suggerimenti::fileMassimo),
      QStringLiteral("%1 tips from %2 bytes").arg(tips.size()).arg(dati.size()));
    for (const QString& tip : tips) {
        v(tip.size() <= suggerimenti::lunghezzaMassima, QStringLiteral("a tip of %1 characters").arg(tip.size()));
        v(pulito(tip), QStringLiteral("a tip holds a control character: ") + tip.left(80));
    }

    // From the file, into the window: the same tips, paged forwards round to the first
    // and back down to it.
    const QString percorso = scriviFile(v, suggerimenti::nomeFile, dati);
    frmTip t;
    v(t.LoadTips(percorso), QStringLiteral("the tips file is not found"));
    v(t.tips() == tips, QStringLiteral("the window holds other tips than the reader gives"));
    const int n = int(tips.size());
    const int pressioni = std::min(n, 40) + 1;
    for (int i = 0; i < pressioni && n > 0; ++i) {
        v(t.posizione() >= 1 && t.posizione() <= n && t.lblTipText->Caption() == tips[t.posizione() - 1],
          QStringLiteral("tip %1 of %2 shows another text").arg(t.posizione()).arg(n));
        t.cmdNextTip_Click();
    }
    if (n > 0 && n < pressioni)
        v(t.posizione() == pressioni % n + 1, QStringLiteral("paging forwards does not come round to the first tip"));
    for (int i = 0; i < pressioni; ++i)
        t.cmdprecedente_Click();
    v(n == 0 || t.posizione() == 1, QStringLiteral("paging back stops at tip %1").arg(t.posizione()));
    return v.mancate();
}

QStringList provaListino(const QByteArray& dati)
{
    Verifica v;
    const listino::Listino l = listino::leggiListino(dati);
    v(l.prodotti.size() <= std::size_t(listino::prodottiMassimi), QStringLiteral("%1 records").arg(l.prodotti.size()));
    // The heading is the first field, when that is a text at all.
    archivio::Lettore primo(dati);
    primo.testo();
    if (!primo.ok())
        v(l.intestazione.isEmpty() && l.prodotti.empty(), QStringLiteral("a heading or records where none was read"));
    else
        v(l.intestazione == archivio::campi(dati)->first().testo, QStringLiteral("the heading is not the file's first field"));

    // Every record whole: written as a price list and read again, the same list.
    archivio::Scrittore s;
    s.testo(l.intestazione).fineRecord();
    s.intero(qsizetype(l.prodotti.size())).fineRecord();
    for (const listino::Prodotto& p : l.prodotti) {
        v(pulito(p.nome) && pulito(p.argomento), QStringLiteral("a record holds a control character"));
        v(std::isfinite(p.prezzoListino) && std::isfinite(p.prezzoOfferta), QStringLiteral("a price that is no number"));
        s.testo(p.nome).testo(p.argomento).valore(Valore(p.prezzoListino)).valore(Valore(p.prezzoOfferta)).fineRecord();
    }
    v(s.ok(), QStringLiteral("the list read cannot be written back"));
    v(stessiProdotti(listino::leggiListino(s.contenuto()), l), QStringLiteral("the list written back reads otherwise"));

    // From the file, into the window.
    scriviFile(v, listino::nomeFile, dati);
    const listino::Listino daFile = listino::leggiListinoDa(cartella().filePath(listino::nomeFile));
    v(dati.size() > archivio::fileMassimo || stessiProdotti(daFile, l),
      QStringLiteral("the file reads otherwise than its content"));
    // Loading the window costs a hundred times the reading, and it pages by the count
    // alone: each count is tried once in a process (so a failure still repeats when
    // its input is run by itself).
    static std::set<std::size_t> conteggiProvati;
    if (conteggiProvati.insert(daFile.prodotti.size()).second)
        provaProdotti(v, daFile);
    return v.mancate();
}

} // namespace fuzz
