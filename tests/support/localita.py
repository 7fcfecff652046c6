"""The climate record of a town as src/climate/localita.tsv holds it, read apart from
the program for the scripts that work out the tests' expected figures."""
import os
from dataclasses import dataclass

TSV = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "climate", "localita.tsv")
GIORNI = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]


@dataclass
class Localita:
    nome: str
    latitudine: float
    coefficienti: list  # c1..c8 of the feasibility fits
    radiazione: list    # kJ/m2 a day on the horizontal, January to December
    temperatura: list   # degrees, January to December

    def gradi_giorno(self):
        """Annual degree-days at 20 degrees, months warmer than that counting nothing."""
        return sum(max(0.0, (20 - t) * g) for t, g in zip(self.temperatura, GIORNI))


def leggi(numero):
    tabelle = {}
    sezione = None
    with open(TSV, encoding="utf-8") as f:
        for riga in f:
            riga = riga.rstrip("\n")
            if not riga or riga.startswith("#"):
                continue
            if riga.startswith("["):
                sezione = riga.strip("[]")
                tabelle[sezione] = {}
            elif not riga.startswith("n\t"):
                campi = riga.split("\t")
                tabelle[sezione][int(campi[0])] = campi[1:]
    nome, latitudine, *coefficienti = tabelle["localita"][numero]
    return Localita(nome, float(latitudine), [float(x) for x in coefficienti],
                    [float(x) for x in tabelle["radiazione"][numero]],
                    [float(x) for x in tabelle["temperatura"][numero]])
