#!/usr/bin/env python3
"""Stores the pages LibreOffice shows for every document of the page corpus.

The corpus tests save each shape as DOCX (with the program's own PDF and the text of
each of its pages) when KORVEL_PAGINE_DOCX names a folder. This script runs them,
converts every DOCX with LibreOffice (soffice --headless --convert-to pdf), counts the
pages of each PDF and writes tests/report/pagine_libreoffice.tsv; beside it,
tests/report/colonne_corpus.tsv keeps the column widths of every table of each DOCX
(its w:gridCol), the fitting those pages were counted with. It then lists the
shapes whose count differs from LibreOffice's and, with --pagine, the first line of
the first page where the two begin a page apart; with --parole, the first page where
a word stands elsewhere (by more than 1.5 pt) or only in one of the two, word by word
as pdftotext -bbox reads both PDFs. With --casuali=N it also makes N technical reports
of random plants and compares them the same way (they are not stored: the count each
states is checked by the test that makes it); --primo-seme=S makes the random
documents from seed S on (1000 unless given), so as to try ones never seen. The files
are converted by as many LibreOffice processes at once as the machine has processors.
They are written to a temporary folder, removed at the end; --conserva=D writes them
to folder D instead (new or empty) and keeps them there, each DOCX with the program's
PDF and page texts beside it and LibreOffice's PDF in D/lo, to look into afterwards;
--riusa=D takes from such a folder LibreOffice's PDF of every DOCX that has not changed,
so that a new page rule is tried on documents already converted in a few minutes.

    tools/pagine_libreoffice.py [build folder] [--pagine] [--parole] [--casuali=N] [--primo-seme=S] [--conserva=D] [--riusa=D]

Needs LibreOffice (Debian: libreoffice-writer-nogui), poppler-utils and the fonts the
README names.
"""
import concurrent.futures
import contextlib
import glob
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TSV = os.path.join(RADICE, 'tests', 'report', 'pagine_libreoffice.tsv')
TSV_COLONNE = os.path.join(RADICE, 'tests', 'report', 'colonne_corpus.tsv')
# The test binaries and the tests that write the corpus.
PROVE = [('tests/test_core_report', 'Impaginazione.Every*:Impaginazione.Random*'),
         ('tests/test_windows_relazione', 'PagineStampate.*')]


def pagine_pdf(pdf):
    uscita = subprocess.run(['pdfinfo', pdf], capture_output=True, text=True, check=True).stdout
    return int(re.search(r'^Pages:\s+(\d+)', uscita, re.M).group(1))


def testo_pagina(pdf, pagina):
    return subprocess.run(['pdftotext', '-f', str(pagina), '-l', str(pagina), '-raw', pdf, '-'],
                          capture_output=True, text=True).stdout


def colonne_docx(docx):
    """The column widths in twips of each table of a DOCX, in the order of the file."""
    with zipfile.ZipFile(docx) as pacchetto:
        xml = pacchetto.read('word/document.xml').decode('utf-8')
    return [[int(w) for w in re.findall(r'<w:gridCol w:w="(\d+)"', griglia)]
            for griglia in re.findall(r'<w:tblGrid>(.*?)</w:tblGrid>', xml)]


def parole(testo):
    return re.findall(r'[^\s]+', testo)


def parole_poste(pdf):
    """Each page's words with the top left corner and the right edge pdftotext -bbox gives
    them, in points: (text, x, y, right edge)."""
    uscita = subprocess.run(['pdftotext', '-bbox', pdf, '-'], capture_output=True, text=True).stdout
    return [[(html.unescape(p.group(4)), float(p.group(1)), float(p.group(2)), float(p.group(3)))
             for p in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>(.*?)</word>', pagina)]
            for pagina in uscita.split('<page ')[1:]]


def prima_pagina_diversa(loro, mie, scarto=1.5):
    """The first page (from 1) where a word of one PDF has none of the same text within
    `scarto` points in the other, with the words of each side that have none; None
    when every word matches. Two neighbours pdftotext reads as one word in one PDF and
    as two in the other match (their tops up to 4 pt apart: words of two sizes on one
    line); so does a word drawn past a narrow cell's edge that pdftotext joins to the
    next cell's first word in LibreOffice's PDF only."""
    vicino = lambda a, b: abs(a[1] - b[1]) <= scarto and abs(a[2] - b[2]) <= scarto
    for numero in range(max(len(loro), len(mie))):
        solo_loro = list(loro[numero]) if numero < len(loro) else []
        solo_mie = list(mie[numero]) if numero < len(mie) else []
        for parola in list(solo_loro):
            pari = next((m for m in solo_mie if m[0] == parola[0] and vicino(m, parola)), None)
            if pari:
                solo_loro.remove(parola)
                solo_mie.remove(pari)
        for unite, divise in ((solo_loro, solo_mie), (solo_mie, solo_loro)):
            for parola in list(unite):
                coppia = next(((a, b) for a in divise for b in divise if a is not b and vicino(a, parola)
                               and a[0] + b[0] == parola[0] and abs(a[2] - b[2]) <= 4 and b[1] > a[1]), None)
                if coppia:
                    unite.remove(parola)
                    divise.remove(coppia[0])
                    divise.remove(coppia[1])
        # A word LibreOffice draws past a narrow cell's edge up against the next cell's
        # first word: pdftotext reads the two as one word, which ends where the
        # program's word ends.
        for parola in list(solo_loro):
            pari = next((m for m in solo_mie if len(parola[0]) > len(m[0]) and parola[0].endswith(m[0])
                         and abs(parola[3] - m[3]) <= scarto and abs(parola[2] - m[2]) <= scarto), None)
            if pari:
                solo_loro.remove(parola)
                solo_mie.remove(pari)
        if solo_loro or solo_mie:
            return numero + 1, solo_loro, solo_mie
    return None


def confronta_parole(pdf_loro, pdf_mie):
    return prima_pagina_diversa(parole_poste(pdf_loro), parole_poste(pdf_mie))


def valore(opzione):
    """The value of the first --opzione=value on the command line, or None."""
    return next((a.split('=', 1)[1] for a in sys.argv[1:] if a.startswith(opzione + '=')), None)


def cartella_di_lavoro():
    """The folder the files are written to: the one --conserva names, kept afterwards
    (it must be new or empty, so that no file of an earlier run is counted), else a
    temporary one."""
    conserva = valore('--conserva')
    if conserva is None:
        return tempfile.TemporaryDirectory()
    cartella = os.path.abspath(conserva)
    os.makedirs(cartella, exist_ok=True)
    if os.listdir(cartella):
        sys.exit('%s is not empty: name a new or empty folder' % cartella)
    return contextlib.nullcontext(cartella)


def stesso_contenuto(docx, altro):
    """Whether two DOCX hold the same parts byte for byte, but for the times they were
    made at (docProps/core.xml)."""
    try:
        with zipfile.ZipFile(docx) as uno, zipfile.ZipFile(altro) as due:
            nomi = [n for n in uno.namelist() if n != 'docProps/core.xml']
            return (nomi == [n for n in due.namelist() if n != 'docProps/core.xml']
                    and all(uno.read(n) == due.read(n) for n in nomi))
    except zipfile.BadZipFile:
        return False


def riusa_pdf(documenti, cartella):
    """With --riusa=D, LibreOffice's PDF of each DOCX the same as the one an earlier
    --conserva=D kept is taken from D/lo instead of converting it again (the layout
    changes no byte of a DOCX, so a sweep of seeds already seen takes minutes).
    Returns the documents still to convert."""
    vecchia = valore('--riusa')
    if not vecchia:
        return documenti
    os.makedirs(os.path.join(cartella, 'lo'), exist_ok=True)
    restano = []
    for docx in documenti:
        nome = os.path.basename(docx)[:-5]
        prima, pdf = os.path.join(vecchia, nome + '.docx'), os.path.join(vecchia, 'lo', nome + '.pdf')
        if os.path.exists(prima) and os.path.exists(pdf) and stesso_contenuto(docx, prima):
            shutil.copyfile(pdf, os.path.join(cartella, 'lo', nome + '.pdf'))
        else:
            restano.append(docx)
    return restano


def main():
    argomenti = [a for a in sys.argv[1:] if not a.startswith('--')]
    costruzione = os.path.abspath(argomenti[0] if argomenti else os.path.join(RADICE, 'build'))
    with cartella_di_lavoro() as cartella:
        ambiente = dict(os.environ, KORVEL_PAGINE_DOCX=cartella, QT_QPA_PLATFORM='offscreen')
        casuali, primo_seme = valore('--casuali'), valore('--primo-seme')
        if casuali is not None:
            ambiente['KORVEL_RELAZIONI_CASUALI'] = ambiente['KORVEL_DOCUMENTI_CASUALI'] = casuali
        if primo_seme is not None:
            ambiente['KORVEL_PRIMO_SEME'] = primo_seme
        for programma, filtro in PROVE:
            percorso = os.path.join(costruzione, programma)
            if os.path.exists(percorso):
                esito = subprocess.run([percorso, '--gtest_filter=' + filtro], env=ambiente,
                                       capture_output=True, text=True)
                for riga in esito.stdout.splitlines():
                    if 'Failure' in riga or riga.startswith('Expected') or 'Which is' in riga or ' vs ' in riga:
                        print(riga)
        documenti = sorted(glob.glob(os.path.join(cartella, '*.docx')))
        if not documenti:
            sys.exit('no corpus document was written: build the tests first')
        profilo = 'file://' + os.path.join(cartella, 'profilo')
        uscita_pdf = ['--headless', '--convert-to', 'pdf', '--outdir', os.path.join(cartella, 'lo')]
        restano = riusa_pdf(documenti, cartella)
        # One LibreOffice per processor, each with a profile of its own. A long batch now
        # and then stops before its end: what is left unconverted goes round again while
        # each round converts something.
        while restano:
            lavori = max(1, min(os.cpu_count() or 1, len(restano)))
            processi = [subprocess.Popen(['soffice', '-env:UserInstallation=%s%d' % (profilo, n)] + uscita_pdf
                                         + restano[n::lavori], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                        for n in range(lavori)]
            for processo in processi:
                processo.wait()
            prima = len(restano)
            restano = [d for d in restano
                       if not os.path.exists(os.path.join(cartella, 'lo', os.path.basename(d)[:-5] + '.pdf'))]
            if len(restano) == prima:
                sys.exit('LibreOffice converted none of: ' + ' '.join(map(os.path.basename, restano)))
        righe = ['# shape\tpages LibreOffice shows for its DOCX (tools/pagine_libreoffice.py)']
        larghezze = ['# shape\ttable\tcolumn widths in twips of the DOCX whose pages LibreOffice counted '
                     '(tools/pagine_libreoffice.py)']
        diversi = spostate = 0
        diverse = {}
        if '--parole' in sys.argv:
            nomi = [os.path.basename(d)[:-5] for d in documenti]
            with concurrent.futures.ProcessPoolExecutor() as lavoranti:
                esiti = lavoranti.map(confronta_parole, [os.path.join(cartella, 'lo', n + '.pdf') for n in nomi],
                                      [os.path.join(cartella, n + '.korvel.pdf') for n in nomi], chunksize=16)
                diverse = dict(zip(nomi, esiti))
        for docx in documenti:
            nome = os.path.basename(docx)[:-5]
            pdf = os.path.join(cartella, 'lo', nome + '.pdf')
            pagine = pagine_pdf(pdf)
            if not nome.startswith('casuale-'):
                righe.append('%s\t%d' % (nome, pagine))
                for numero, colonne in enumerate(colonne_docx(docx), 1):
                    larghezze.append('%s\t%d\t%s' % (nome, numero, ' '.join(map(str, colonne))))
            nostre = len(glob.glob(os.path.join(cartella, nome + '.pagina*.txt')))
            if nostre != pagine:
                diversi += 1
                print('%s: LibreOffice %d, Korvel %d' % (nome, pagine, nostre))
            if '--parole' in sys.argv:
                diversa = diverse[nome]
                if diversa:
                    spostate += 1
                    pagina, solo_loro, solo_mie = diversa
                    print('  %s page %d: LibreOffice alone %s | Korvel alone %s'
                          % (nome, pagina, solo_loro[:3], solo_mie[:3]))
            if '--pagine' in sys.argv:
                for p in range(1, min(pagine, nostre) + 1):
                    loro = parole(testo_pagina(pdf, p))[:6]
                    with open(os.path.join(cartella, '%s.pagina%d.txt' % (nome, p)), encoding='utf-8') as f:
                        mie = parole(f.read())[:6]
                    if loro != mie:
                        print('  %s page %d: LibreOffice %s | Korvel %s' % (nome, p, ' '.join(loro), ' '.join(mie)))
                        break
        with open(TSV, 'w', encoding='utf-8') as f:
            f.write('\n'.join(righe) + '\n')
        with open(TSV_COLONNE, 'w', encoding='utf-8') as f:
            f.write('\n'.join(larghezze) + '\n')
        print('%d shapes, %d counted otherwise than LibreOffice; %s written' % (len(documenti), diversi, TSV))
        if '--parole' in sys.argv:
            print('%d with a word placed otherwise' % spostate)


if __name__ == '__main__':
    main()
