#pragma once
// What the transmittance window tests share: the doubles, elements entered as a
// user enters them, and a clean state afterwards.
#include "base/ModKorvel.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "feasibility/datiFattib.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "support/ambiente.h"
#include "support/doppi.h"
#include "transmittance/calcoloTrasmittanza.h"
#include "transmittance/datiTrasmittanza.h"
#include "transmittance/trasmitt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

class AmbienteTrasm : public ::testing::Test {
protected:
    void SetUp() override { ModKorvel::inizializzaDati(); }
    void TearDown() override { ambiente::ripristinaFinestre(); }

    static trasmitt& t() { return finestra<trasmitt>(); }

    // Positions in the type lists.
    static constexpr int muratura = 0; // "Muratura con intercapedine" 1.31 / "Muratura a doppia fodera" 1.31
    static constexpr int pilastri = 2; // group 1: "Pilastri" 2.1; group 2: "Porta" 3
    static constexpr int vetrate = 8;  // group 1 only: 6

    // A type chosen from the list and an area typed, in row r of the page shown.
    static void elemento(int gruppo, int riga, int posizione, const QString& area)
    {
        trasmitt& w = t();
        w.scegliTipo(gruppo, riga, posizione);
        (gruppo == 1 ? w.ar : w.ar2)[std::size_t(riga)]->setText(area);
    }

    // Typed into a type box key by key, after emptying it.
    static void digitaTipo(QComboBox* tipo, const QString& testo)
    {
        tipo->lineEdit()->selectAll();
        QTest::keyClick(tipo->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(tipo->lineEdit(), testo);
    }

    // The three result boxes: correction, sum, overall.
    static QStringList risultati()
    {
        trasmitt& w = t();
        return {w.tralim->Text(), w.total->Text(), w.complessiva->Text()};
    }

    doppi::Messaggi messaggi;
    doppi::Dialoghi dialoghi;
};
