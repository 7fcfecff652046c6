#!/usr/bin/env python3
"""Writes the title-screen tune, an original short piece, as a Standard MIDI File.

    python3 tools/componi_tema.py [output]     (default: resources/run/Internet.mid)

A bright, calm theme in D major, 3/4 at 96 beats a minute: a vibraphone melody
over a soft string pad and a plucked bass, sixteen bars, about thirty seconds.
"""
import os
import struct
import sys

TPQ = 480  # ticks per quarter note
BATTITO = TPQ
MISURA = 3 * BATTITO

NOTE = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def nota(nome):
    """'F#5' -> MIDI number (C4 = 60)."""
    base = NOTE[nome[0]]
    resto = nome[1:]
    if resto.startswith('#'):
        base += 1
        resto = resto[1:]
    elif resto.startswith('b'):
        base -= 1
        resto = resto[1:]
    return 12 * (int(resto) + 1) + base


def vlq(valore):
    """Variable-length quantity."""
    byte = [valore & 0x7F]
    valore >>= 7
    while valore:
        byte.insert(0, (valore & 0x7F) | 0x80)
        valore >>= 7
    return bytes(byte)


def traccia(eventi):
    """eventi: (tick, ordine, bytes); returns an MTrk chunk."""
    eventi = sorted(eventi, key=lambda e: (e[0], e[1]))
    dati = bytearray()
    prima = 0
    for tick, _, msg in eventi:
        dati += vlq(tick - prima) + msg
        prima = tick
    dati += vlq(0) + b'\xff\x2f\x00'
    return b'MTrk' + struct.pack('>I', len(dati)) + bytes(dati)


def suona(eventi, canale, frase, inizio=0, forza=80):
    """frase: list of (note name or None for a rest, beats)."""
    t = inizio
    for nome, battiti in frase:
        durata = int(battiti * BATTITO)
        if nome:
            for n in nome.split('+'):
                numero = nota(n)
                eventi.append((t, 1, bytes([0x90 | canale, numero, forza])))
                eventi.append((t + durata - 10, 0, bytes([0x80 | canale, numero, 0])))
        t += durata
    return t


# Melody: two eight-bar phrases, the second answering the first and closing home.
MELODIA = [
    ('A4', 1), ('D5', 1), ('F#5', 1),
    ('E5', 2), ('D5', 1),
    ('B4', 1), ('D5', 1), ('G5', 1),
    ('F#5', 3),
    ('G5', 1), ('F#5', 1), ('E5', 1),
    ('D5', 1), ('B4', 1), ('C#5', 1),
    ('A4', 3),
    (None, 1), ('A4', 1), ('C#5', 1),
    ('D5', 1), ('F#5', 1), ('A5', 1),
    ('G5', 2), ('F#5', 1),
    ('E5', 1), ('G5', 1), ('B5', 1),
    ('A5', 3),
    ('B5', 1), ('A5', 1), ('F#5', 1),
    ('G5', 1), ('E5', 1), ('C#5', 1),
    ('D5', 3),
    ('D5+F#5+A5', 3),
]

# Harmony, one chord a bar: D G/B G D | G D/F# A A7 | D G Em A | Bm A7 D D.
ACCORDI = [
    ('D3', 'D4+F#4+A4'), ('B2', 'D4+G4+B4'), ('G2', 'D4+G4+B4'), ('D3', 'D4+F#4+A4'),
    ('G2', 'D4+G4+B4'), ('F#2', 'D4+F#4+A4'), ('A2', 'C#4+E4+A4'), ('A2', 'C#4+E4+G4'),
    ('D3', 'D4+F#4+A4'), ('G2', 'D4+G4+B4'), ('E2', 'E4+G4+B4'), ('A2', 'C#4+E4+A4'),
    ('B2', 'D4+F#4+B4'), ('A2', 'C#4+E4+G4'), ('D3', 'D4+F#4+A4'), ('D3', 'D4+F#4+A4'),
]


def componi():
    tempo = [
        (0, 0, b'\xff\x03' + vlq(len(b'Korvel')) + b'Korvel'),
        (0, 0, b'\xff\x58\x04\x03\x02\x18\x08'),          # 3/4
        (0, 0, b'\xff\x51\x03' + struct.pack('>I', 60_000_000 // 96)[1:]),  # 96 bpm
    ]

    melodia = [(0, 0, bytes([0xC0, 11])), (0, 0, bytes([0xB0, 7, 100]))]   # vibraphone
    fine = suona(melodia, 0, MELODIA, forza=92)

    tappeto = [(0, 0, bytes([0xC1, 49])), (0, 0, bytes([0xB1, 7, 60]))]    # strings
    basso = [(0, 0, bytes([0xC2, 32])), (0, 0, bytes([0xB2, 7, 90]))]      # acoustic bass
    for misura, (fondamentale, accordo) in enumerate(ACCORDI):
        inizio = misura * MISURA
        suona(tappeto, 1, [(accordo, 3)], inizio, forza=50)
        quinta = nota(fondamentale) + 7
        nomi = ['C', 'C#', 'D', 'D#', 'E', 'F', 'F#', 'G', 'G#', 'A', 'A#', 'B']
        quinta_nome = nomi[quinta % 12] + str(quinta // 12 - 1)
        suona(basso, 2, [(fondamentale, 2), (quinta_nome, 1)], inizio, forza=85)

    assert fine == len(ACCORDI) * MISURA, (fine, len(ACCORDI) * MISURA)
    intestazione = b'MThd' + struct.pack('>IHHH', 6, 1, 4, TPQ)
    return intestazione + traccia(tempo) + traccia(melodia) + traccia(tappeto) + traccia(basso)


def main():
    radice = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    uscita = sys.argv[1] if len(sys.argv) > 1 else os.path.join(radice, 'resources', 'run', 'Internet.mid')
    os.makedirs(os.path.dirname(uscita), exist_ok=True)
    with open(uscita, 'wb') as f:
        f.write(componi())
    print(uscita)


if __name__ == '__main__':
    main()
