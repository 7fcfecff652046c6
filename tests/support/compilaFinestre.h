#pragma once
// The calculation windows, the transmittance window and the cover page filled as a
// user would, for the window tests and the report benchmarks alike (no test framework
// here).
#include "base/ModKorvel.h"
#include "cover/frontespizio.h"
#include "detailed/dettagliato.h"
#include "feasibility/fattib.h"
#include "platform/controlli.h"
#include "transmittance/datiTrasmittanza.h"
#include "transmittance/trasmitt.h"

// Feasibility: Milano, the costs and rates; hot water 300 litres at 45 degrees, or
// heating with 250 W/K; methane at 0.8 euro.
inline void compilaFattib(bool acqua)
{
    fattib& w = finestra<fattib>();
    w.loc->setListIndex(16);
    if (acqua) {
        w.Option1[2]->setValue(true);
        w.VScroll1->setValue(300);
        w.VScroll2->setValue(45);
    } else {
        w.Option1[1]->setValue(true);
        w.trasm->setText(QStringLiteral("250"));
    }
    w.ann->setText(QStringLiteral("20"));
    w.cost->setText(QStringLiteral("300"));
    w.elettr->setText(QStringLiteral("5"));
    w.Option3[2]->setValue(true);
    w.costalt->setText(QStringLiteral("0.8"));
    w.VScroll4->setValue(350);
    w.VScroll5->setValue(200);
}

// Detailed: Milano, tilt 30 turned 15 degrees east, the use given; mains 12 and use
// 45 degrees, 300 litres a day; 250 W/K; one glass with selective plate, liquid,
// 8 m²; 20 years, 6000 euro; methane at 85 cents; rates 3.5, 2 and 3 %.
inline void compilaDettagliato(int uso)
{
    dettagliato& w = finestra<dettagliato>();
    w.loc->setListIndex(16);
    w.VScroll1->setValue(30);
    w.VScroll2->setValue(-15);
    w.Option1[std::size_t(uso)]->setValue(true);
    if (uso != 1) {
        w.VScroll3->setValue(12);
        w.VScroll4->setValue(45);
        w.VScroll5->setValue(300);
    }
    if (uso != 2)
        w.trasm->setText(QStringLiteral("250"));
    w.Option2[3]->setValue(true);
    w.Option3[2]->setValue(true);
    w.are->setText(QStringLiteral("8"));
    w.ann->setText(QStringLiteral("20"));
    w.cost->setText(QStringLiteral("6000"));
    w.Option4[2]->setValue(true);
    w.costalt->setText(QStringLiteral("85"));
    w.HScroll1->setValue(350);
    w.HScroll2->setValue(200);
    w.HScroll3->setValue(300);
}

// Three external and two internal elements, sent to the window that asked (1
// feasibility, 2 detailed).
inline void elementiInviati(int chiamante)
{
    trasmitt& w = finestra<trasmitt>();
    w.scegliTipo(1, 1, 0);
    w.ar[1]->setText(QStringLiteral("120"));
    w.scegliTipo(1, 2, 2);
    w.ar[2]->setText(QStringLiteral("18.5"));
    w.scegliTipo(1, 3, 8);
    w.ar[3]->setText(QStringLiteral("24"));
    w.scegliTipo(2, 1, 0);
    w.ar2[1]->setText(QStringLiteral("35"));
    w.scegliTipo(2, 2, 2);
    w.ar2[2]->setText(QStringLiteral("4.2"));
    ModKorvel::chiamanteTrasm = chiamante;
    w.Command1_Click();
}

// The studio and the project record of a report.
inline void copertinaCompilata()
{
    ModKorvel::nomeStudio = QStringLiteral("Studio Bianchi");
    ModKorvel::indirizzoStudio = QStringLiteral("via Garibaldi 5, Milano");
    frontespizio& c = finestra<frontespizio>();
    c.progetto->setText(QStringLiteral("Scuola media"));
    c.committente->setText(QStringLiteral("Comune di Sesto"));
    c.luogo->setText(QStringLiteral("Milano"));
    c.data->setText(QStringLiteral("7 dicembre 2026"));
    c.allegati->setText(QStringLiteral("planimetria"));
}
