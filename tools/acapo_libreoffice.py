#!/usr/bin/env python3
"""Stores where LibreOffice ends the lines of the line-breaking probes.

The tests Acapo.* save their probe documents as DOCX when KORVEL_ACAPO_DOCX names a
folder: every pair of characters between letters and figures, each probe after 72
letters in Liberation Mono 10 pt, paragraphs of varied text, and texts a pixel or a
few from their line's end (paragraphs, and the first cell of narrow tables); each
probe follows a marker paragraph "#n". This script runs them, converts the documents
with LibreOffice (soffice --headless --convert-to pdf), reads the lines of each probe
from the PDF text and writes tests/report/acapo_libreoffice.tsv.

    tools/acapo_libreoffice.py [build folder]

Needs LibreOffice (Debian: libreoffice-writer-nogui), poppler-utils and the fonts the
README names.
"""
import os
import re
import subprocess
import sys
import tempfile

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TSV = os.path.join(RADICE, 'tests', 'report', 'acapo_libreoffice.tsv')
ALFABETO = " .,;:!?'\"«»()[]{}/\\-+%°€$&*=<>_#@’‘“”–—…·±×²³§|~^\u00a0x7"
CONTESTI = [('abcd', 'efghijklmnopqrstuvw'), ('abcd', '567890123456789012'),
            ('1234', 'efghijklmnopqrstuvw'), ('1234', '567890123456789012')]
RIEMPIMENTO = 72
SIMBOLI = {4: '<', 5: '|', 6: '>', 8: '.'}


def righe_delle_sonde(pdf):
    """The lines of each probe, by marker number."""
    testo = subprocess.run(['pdftotext', '-raw', pdf, '-'], capture_output=True, text=True, check=True).stdout
    sonde, corrente = {}, None
    for riga in testo.replace('\f', '\n').split('\n'):
        marca = re.fullmatch(r'#(\d+)', riga.strip())
        if marca:
            corrente = int(marca.group(1))
            sonde[corrente] = []
        elif corrente is not None and riga.strip():
            sonde[corrente].append(riga)
    return sonde


def visibili(riga):
    return sum(1 for c in riga if not c.isspace())


def fine_prima_riga(sonda, riga):
    """Where the first line ends in the probe's text, the blanks it ends with included."""
    n, k = visibili(riga), 0
    while k < len(sonda) and n > 0:
        n -= not sonda[k].isspace()
        k += 1
    while k < len(sonda) and sonda[k].isspace():
        k += 1
    return k


def main():
    costruzione = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(RADICE, 'build'))
    with tempfile.TemporaryDirectory() as cartella:
        ambiente = dict(os.environ, KORVEL_ACAPO_DOCX=cartella, QT_QPA_PLATFORM='offscreen')
        subprocess.run([os.path.join(costruzione, 'tests', 'test_core_report'), '--gtest_filter=Acapo.*'],
                       env=ambiente, check=True, capture_output=True)
        profilo = 'file://' + os.path.join(cartella, 'profilo')
        subprocess.run(['soffice', '-env:UserInstallation=' + profilo, '--headless', '--convert-to', 'pdf',
                        '--outdir', cartella] + [os.path.join(cartella, n + '.docx') for n in ('coppie', 'frasi', 'margini')],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        righe = ['# Where LibreOffice 7.4 ends the lines of the probes of tests/report/acapo_test.cpp '
                 '(tools/acapo_libreoffice.py).',
                 '# coppia, P, Q, a (hexadecimal), then for each b of the alphabet where the first line of '
                 '"P a b Q" ends: < before a, | between a and b, > after b, . after the eighth character.',
                 '# frase, probe, then the characters other than blanks on each of its lines.',
                 '# margine, probe a pixel or a few from its line\'s end, then the same.']
        coppie = righe_delle_sonde(os.path.join(cartella, 'coppie.pdf'))
        n = 0
        for prima, dopo in CONTESTI:
            for a in ALFABETO:
                simboli = ''
                for b in ALFABETO:
                    sonda = 'a' * RIEMPIMENTO + prima + a + b + dopo
                    fine = fine_prima_riga(sonda, coppie[n][0]) - RIEMPIMENTO
                    simboli += SIMBOLI.get(fine, '?')
                    n += 1
                righe.append('coppia\t%s\t%s\t%x\t%s' % (prima, dopo, ord(a), simboli))
        frasi = righe_delle_sonde(os.path.join(cartella, 'frasi.pdf'))
        for numero in sorted(frasi):
            righe.append('frase\t%d\t%s' % (numero, ','.join(str(visibili(r)) for r in frasi[numero])))
        margini = righe_delle_sonde(os.path.join(cartella, 'margini.pdf'))
        for numero in sorted(margini):
            righe.append('margine\t%d\t%s' % (numero, ','.join(str(visibili(r)) for r in margini[numero])))
        with open(TSV, 'w', encoding='utf-8') as f:
            f.write('\n'.join(righe) + '\n')
        print('%d pairs, %d paragraphs and %d probes at a line\'s end; %s written' % (n, len(frasi), len(margini), TSV))


if __name__ == '__main__':
    main()
