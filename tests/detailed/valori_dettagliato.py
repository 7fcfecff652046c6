#!/usr/bin/env python3
"""Figures of the detailed calculation worked out apart from the program, for
calcoloDettagliato_test.cpp and economiaDett_test.cpp.

The method, month by month at the month's mean day: the sunset hour angle on the
horizontal and on a collector facing due south, the extraterrestrial radiation with a
solar constant of 4871 kJ/m2 an hour (1353 W/m2), the diffuse share 1 - 1.13 KT, the
isotropic sky with a ground reflectance of 0.2; the transmittance-absorptance of the
beam at 37.5 degrees from noon, of the sky at 60 degrees and of the ground at
89.8 - 0.5788 b + 0.002693 b2 degrees, each with the modifier 1 - b0 (1/cos - 1);
the f-chart for liquid systems with the collector-loop heat exchanger (50 kg an hour
per m2 of a fluid of 3.8 kJ/kg K, effectiveness 0.75), 75 litres of store per m2, the
load heat exchanger's correction of Y for heating and the water temperatures'
correction of X for hot water alone. Monthly figures are cut as the program stores
them: the angles to one decimal, the fractions to three, halves up.

The economics: a plant cost recovered over its life at the real discount rate, the
fuel price growing at its real rate; the payback is the life over which the first
year's fuel saving, growing with the fuel price and discounted, pays for the plant.
Fuels give 5700 kcal a litre of gas oil, 6800 kcal a cubic metre of methane and
860 kcal a kWh of electricity, at 4.19 kJ a kcal.

Run: python3 tests/detailed/valori_dettagliato.py
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import localita  # noqa: E402

GIORNI = localita.GIORNI
# Declination (radians) and the sun's distance factor at the months' mean days.
DECLINAZIONE = [-0.36507, -0.2261, -0.0421973, 0.164321, 0.327981, 0.402925,
                0.369725, 0.234833, 0.0386915, -0.167541, -0.330076, -0.402292]
DISTANZA = [1.0316, 1.02278, 1.00911, 0.992262, 0.977421, 0.969034,
            0.968168, 0.976615, 0.991162, 1.00801, 1.02278, 1.03087]
COSTANTE_SOLARE = 1353 * 3.6  # kJ/m2 an hour
# FR (tau alpha)n and FR UL (W/m2 K) of a liquid collector, and its b0.
COLLETTORI = {1: (0.85, 7.5, 0.17), 2: (0.75, 5.0, 0.19), 3: (0.85, 4.5, 0.17), 4: (0.75, 3.5, 0.19)}
KJ_PER_KCAL = 4.19
KJ_PER_UNITA = {"gasolio": 5700 * KJ_PER_KCAL, "metano": 6800 * KJ_PER_KCAL, "elettricita": 860 * KJ_PER_KCAL}


def margine(x):
    """Distance of x from the nearest edge where rounding halves up changes."""
    return abs(x - 0.5 - round(x - 0.5))


def modificatore(b0, gradi):
    c = math.cos(math.radians(gradi))
    return 0.0 if c <= 0 else min(1.0, max(0.0, 1 - b0 * (1 / c - 1)))


def calcola(numero, inclinazione, uso, collettore, area, litri=0.0, rete=0.0, consumo=0.0, watt=0.0):
    citta = localita.leggi(numero)
    nome, lat, rad, temp = citta.nome, citta.latitudine, citta.radiazione, citta.temperatura
    phi, beta = math.radians(lat), math.radians(inclinazione)
    guadagno, perdite, b0 = COLLETTORI[collettore]
    scambiatore = 1 / (1 + perdite * 3.6 / (50 * 3.8) * (1 / 0.75 - 1))
    correzione_y = 0.39 + 0.65 * math.exp(-0.139 / 2) if uso != 2 else 1.0
    k_diffusa = modificatore(b0, 60)
    k_suolo = modificatore(b0, 89.8 - 0.5788 * inclinazione + 0.002693 * inclinazione ** 2)
    print(f"{nome}, inclinazione {inclinazione} a sud, uso {uso}, collettore {collettore}, {area} m2")
    fabbisogno = utile = 0.0
    tramonti = []
    for m in range(12):
        d = DECLINAZIONE[m]
        ws = math.acos(-math.tan(phi) * math.tan(d))
        wc = min(ws, math.acos(-math.tan(phi - beta) * math.tan(d)))
        orizzontale = math.cos(phi) * math.cos(d) * math.sin(ws) + ws * math.sin(phi) * math.sin(d)
        h0 = 24 / math.pi * COSTANTE_SOLARE * DISTANZA[m] * orizzontale
        diffusa = 1 - 1.13 * rad[m] / h0
        rb = (math.cos(phi - beta) * math.cos(d) * math.sin(wc) + wc * math.sin(phi - beta) * math.sin(d)) / orizzontale
        parti = [(1 - diffusa) * rb, diffusa * (1 + math.cos(beta)) / 2, 0.2 * (1 - math.cos(beta)) / 2]
        r = sum(parti)
        cos_diretta = (math.cos(phi - beta) * math.cos(d) * math.cos(math.radians(37.5))
                       + math.sin(phi - beta) * math.sin(d))
        k_diretta = modificatore(b0, math.degrees(math.acos(cos_diretta)))
        tau_alfa = (parti[0] * k_diretta + parti[1] * k_diffusa + parti[2] * k_suolo) / r
        carico = 0.0
        if uso != 1:
            carico += KJ_PER_KCAL * (consumo - rete) * litri * GIORNI[m]
        if uso != 2:
            carico += max(0.0, 20 - temp[m]) * GIORNI[m] * watt * 24 * 3.6
        correzione_x = 1.0
        if uso == 2:
            correzione_x = (11.6 + 1.18 * consumo + 3.86 * rete - 2.32 * temp[m]) / (100 - temp[m])
        f = 0.0
        if carico > 0:
            x = scambiatore * perdite * (100 - temp[m]) * correzione_x * GIORNI[m] * 86.4 * area / carico
            y = scambiatore * guadagno * tau_alfa * r * rad[m] * GIORNI[m] * correzione_y * area / carico
            f = 1.029 * y - 0.065 * x - 0.245 * y * y + 0.0018 * x * x + 0.0215 * y ** 3
            f = min(1.0, max(0.0, f))
        fabbisogno += carico
        utile += f * carico
        gradi = math.degrees(wc)
        tramonti.append(math.floor(gradi * 10 + 0.5) / 10)
        print(f"  mese {m + 1:2d}: tramonto {math.degrees(ws):6.2f} sul collettore {gradi:8.4f}"
              f" -> {tramonti[-1]:5.1f} (margine {margine(gradi * 10):.4f});"
              f" f {f:.5f} -> {math.floor(f * 1000 + 0.5) / 1000:.3f} (margine {margine(f * 1000):.4f})")
    annua = utile / fabbisogno
    print(f"  tramonti sul collettore {tramonti}")
    print(f"  fabbisogno {fabbisogno / 3600:.3f} kWh, utile {utile / 3600:.3f} kWh, utile {utile:.1f} kJ")
    print(f"  frazione annua {annua:.6f} -> {math.floor(annua * 1000 + 0.5) / 1000:.3f}"
          f" (margine {margine(annua * 1000):.4f})")
    return utile


def economia(costo, anni, combustibile, prezzo, sconto, inflazione, aumento, utile, mostra):
    unita = KJ_PER_UNITA[combustibile]
    d, i, e = sconto / 100, inflazione / 100, aumento / 100
    reale = (d - i) / (1 + i)
    aumento_reale = (e - i) / (1 + i)
    # The yearly payment that repays the plant (in cents) over its life at the real rate.
    rata = costo * 100 * reale / (1 - (1 + reale) ** -anni)
    unitario = rata / utile * unita
    print(f"{combustibile} a {prezzo} centesimi, impianto {costo} euro, {anni} anni, {utile} kJ:")
    print(f"  costo solare per unita {unitario:.4f} -> {math.floor(unitario + 0.5)} (margine {margine(unitario):.4f})")
    saldo = 0.0
    for anno in range(1, anni + 1):
        prezzo_anno = prezzo * (1 + aumento_reale) ** (anno - 1)
        saldo += prezzo_anno / unita * utile - rata
        if anno in mostra:
            print(f"  anno {anno:2d}: prezzo {prezzo_anno:.4f} -> {math.floor(prezzo_anno + 0.5)}"
                  f" (margine {margine(prezzo_anno):.4f}), bilancio {saldo:.4f} centesimi"
                  f" -> {math.floor(saldo + 0.5) / 100:.2f} euro (margine {margine(saldo):.4f})")
    # Payback: the N at which the discounted savings of years 1..N, the first year's
    # saving growing at the fuel's rate, equal the plant cost; found by bisection.
    risparmio = prezzo / unita * utile
    netto = (d - e) / (1 + e)

    def valore(n):
        return risparmio * (n if netto == 0 else (1 - (1 + netto) ** -n) / netto)

    if valore(1e6) <= costo * 100:
        print("  Investimento non conveniente.")
        return
    basso, alto = 0.0, 1e6
    for _ in range(200):
        medio = (basso + alto) / 2
        basso, alto = (medio, alto) if valore(medio) < costo * 100 else (basso, medio)
    print(f"  recupero {basso:.5f} anni -> {math.floor(basso + 0.5)} (margine {margine(basso):.4f})")


if __name__ == "__main__":
    # Roma, tilted 45 degrees (more than the latitude) due south, 250 litres a day from
    # 14 to 50 degrees, one glass with a selective plate, 5 m2.
    calcola(51, 45, 2, 3, 5, litri=250, rete=14, consumo=50)
    # Bolzano, 30 degrees due south, heating a 150 W/K building and 200 litres a day from
    # 12 to 45 degrees, two glasses with a plain plate, 12 m2.
    calcola(1, 30, 3, 2, 12, litri=200, rete=12, consumo=45, watt=150)
    # Methane at 85 cents, 6000 euro over 20 years, rates 3.5, 2 and 3 %, against
    # 1.2e7 kJ of solar energy a year; electricity at 20 cents for its unit cost.
    economia(6000, 20, "metano", 85, 3.5, 2.0, 3.0, 1.2e7, {1, 2, 10, 20})
    economia(6000, 20, "elettricita", 20, 3.5, 2.0, 3.0, 1.2e7, {1})
