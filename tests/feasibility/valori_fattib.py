#!/usr/bin/env python3
"""Figures of the feasibility sizing worked out apart from the program, for
calcoloFattib_test.cpp and risultati_wtest.cpp.

The method: the yearly share a collector kind covers is the town's fit
f = a + b ln(A / X) on the collector area A, where X is the kind's reference area,
the load times a climate factor over the kind's optical gain less its losses,
0.85 eta0 - 0.95 UL c. The fits (c1..c8 per town) and the monthly temperatures come
from src/climate/localita.tsv; the collector kinds are one glass with a plain plate
(eta0 0.85, UL 7.5), one glass with a selective plate (0.85, 4.5) and two glasses
with a plain plate (0.75, 3.5). The optimal area is where one more square metre
saves, over the plant's life at the net discount rate, what it costs:
Q b p PWF / A = collector cost + PWF x yearly running cost; and never past the area
where every kind already covers the whole need.

Run: python3 tests/feasibility/valori_fattib.py
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import localita  # noqa: E402

TIPI = {1: (0.85, 7.5), 2: (0.85, 4.5), 3: (0.75, 3.5)}
KCAL_PER_KWH = 860.0
# Heat a unit of fuel gives: 5700 kcal a litre of gas oil, 6800 kcal a cubic metre of
# methane; electricity is bought by the kWh.
KWH_PER_UNITA = {"gasolio": 5700 / KCAL_PER_KWH, "metano": 6800 / KCAL_PER_KWH, "elettricita": 1.0}


def margine(x):
    """Distance of x from the nearest whole number: a figure cut there (or rounded at
    the half) must not stand on a knife's edge."""
    return abs(x - round(x))


def dimensiona(numero, uso, litri=0.0, gradi=0.0, watt=0.0, combustibile="metano", prezzo=0.0,
               anni=20, collettori=300.0, elettricita=5.0, sconto=3.5, aumento=2.0):
    citta = localita.leggi(numero)
    nome, c, gg = citta.nome, citta.coefficienti, citta.gradi_giorno()
    if uso == "acqua":
        carico = (gradi - 12) * litri / 1000  # Mcal a day over the fits' 12 degrees
        fabbisogno = carico * 1000 * 365 / KCAL_PER_KWH  # kWh a year
        fattore, perdite, a, b = carico * c[0], c[1], c[2], c[3]
        aree = [(9 + s) / 10 for s in range(1, 1001)]
    else:
        h = watt * 3600 / 1e6  # MJ per hour and kelvin
        fabbisogno = watt * 24 * gg / 1000  # kWh a year
        fattore, perdite, a, b = h * c[4], c[5], c[6], c[7]
        aree = [1.0 + s for s in range(1, 1001)]
    x = {k: fattore / (0.85 * eta0 - 0.95 * ul * perdite) for k, (eta0, ul) in TIPI.items()}

    netto = (sconto - aumento) / (100 + aumento)
    pwf = anni if netto == 0 else (1 - (1 + netto) ** -anni) / netto
    p = prezzo / KWH_PER_UNITA[combustibile]
    ottimo = fabbisogno * b * p * pwf / (collettori + pwf * elettricita)
    pieno = max(x[k] * math.exp((1 - a) / b) for k in TIPI)
    ottimo = min(ottimo, pieno)
    print(f"{nome}, {uso}: fabbisogno {fabbisogno:.4f} kWh -> {math.floor(fabbisogno)}"
          f" (margine {margine(fabbisogno):.4f})")
    print(f"  area ottimale {ottimo:.5f} -> {math.floor(ottimo * 10 + 0.5) / 10}"
          f" (margine {margine(ottimo * 10 - 0.5):.4f}){' al pieno' if ottimo == pieno else ''}")
    return aree, x, a, b, fabbisogno


def righe(aree, x, a, b, fabbisogno, numeri):
    for s in numeri:
        area = aree[s - 1]
        celle = []
        for k in TIPI:
            f = min(1.0, max(0.0, a + b * math.log(area / x[k])))
            quota = math.floor(f * 1000) / 10
            energia = math.floor(fabbisogno * f)
            m = min(margine(f * 1000), margine(fabbisogno * f)) if 0 < f < 1 else 0.5
            celle.append(f"{quota:5.1f}% {energia:5d} kWh (margine {m:.4f})")
        print(f"  s {s:4d} area {area:6.1f}: " + " | ".join(celle))


if __name__ == "__main__":
    # Milano, 300 litres a day at 45 degrees, methane at 0.8 euro, 3.5 % and 2 %.
    dati = dimensiona(17, "acqua", litri=300, gradi=45, prezzo=0.8)
    righe(*dati, [21, 22, 23, 24, 25, 100])
    # Torino, heating a 300 W/K building, methane at 0.2 euro, 5 % and 3 %.
    dati = dimensiona(20, "riscaldamento", watt=300, prezzo=0.2, sconto=5.0, aumento=3.0)
    righe(*dati, [10, 30, 60])
