#pragma once
// What the fuzzing harness feeds its inputs to, one entry per input the program
// reads. The same entries replay the kept cases in the ordinary test run, so a fault
// found once is caught again by every build, with or without clang.
//
// An entry checks properties, not only that nothing crashes: it gives back one line
// per property that did not hold, nothing when all held.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace fuzz {

struct Ingresso {
    QString nome; // the folder of its kept cases under tests/fuzz/casi/, and the harness name
    std::function<QStringList(const QByteArray&)> prova;
};

// Every entry; needs a QApplication (the windows' round trips run in it).
const std::vector<Ingresso>& ingressi();
const Ingresso* ingresso(const QString& nome);

// Collects the properties that did not hold.
class Verifica {
public:
    void operator()(bool vale, const QString& proprieta)
    {
        if (!vale)
            mancate_ << proprieta;
    }
    const QStringList& mancate() const { return mancate_; }

private:
    QStringList mancate_;
};

// Reads an input piece by piece: bytes, numbers and texts, zero once it is used up.
class Lettura {
public:
    explicit Lettura(const QByteArray& dati) : dati_(dati) {}
    bool finita() const { return pos_ >= dati_.size(); }
    quint8 byte() { return finita() ? 0 : quint8(dati_[pos_++]); }
    QByteArray byte(qsizetype quanti);
    double decimale(); // eight bytes as they lie: any double, infinities and NaN included
    // A text of up to `massimo` UTF-16 code units, taken as they lie (lone surrogate
    // halves and control characters included), its length in the first byte.
    QString unita(int massimo);
    QByteArray resto();

private:
    QByteArray dati_;
    qsizetype pos_ = 0;
};

// The entries, one per file.
QStringList provaArchivio(const QByteArray& dati);     // data-file reader and writer
QStringList provaImpostazioni(const QByteArray& dati); // the settings file
QStringList provaNumeri(const QByteArray& dati);       // numbers to texts and back, in seven locales
QStringList provaDocx(const QByteArray& dati);         // DOCX writer and report file names
QStringList provaSuggerimenti(const QByteArray& dati); // the tips file and the tip of the day
QStringList provaListino(const QByteArray& dati);      // the price list and its window
std::vector<Ingresso> ingressiFinestre();              // each window's open, save and open again

} // namespace fuzz
