#!/usr/bin/env python3
"""Tries variants of a saved document in LibreOffice, to find what leaves a table's
first row alone on its page.

A table whose first row (with its header row, if it has one) is sent on whole from a
page's foot sometimes keeps only that row on the next page in LibreOffice, the rest a
page further on; whether it does depends on the way LibreOffice first spread the file
over pages and formatted it (src/report/primaDistribuzione.h). This script takes a
DOCX the corpus tool kept (tools/pagine_libreoffice.py --conserva=D) and writes
variants of it: the file as it is, or changed by
  --scambia=T:I:J    rows I and J (from 0) of table T (from 1) swapped (may be repeated);
  --togli=B[,B...]   the file's blocks B (from 0: its paragraphs and tables) left out;
and that with the table cut to its first N rows for each N of --righe=N[,N...] (the
header row counts), or with its rows I to J (from 0) cut to a line each for each I:J of
--accorcia=I:J[,I:J...]: every paragraph of their cells keeps only the word "x", so
the table gets lower while the guess stays the same. Every variant keeps the count
LibreOffice guesses the pages from (the nodes of the body): the nodes a variant loses
come back as empty paragraphs at the end of the file, so that everything before the
table is spread as in the original. --conto=K[,K...] adds variants whose guess counts
K paragraphs a page instead (20, 23, ... 53): more empty paragraphs at the end, which
leave the pages up to the table as they are and change only that guess. Each is
converted with LibreOffice; the script prints its page count and whether page PAGINA
holds the table's first row and nothing else.

    tools/riga_sola_libreoffice.py DOCX TABELLA PAGINA [--righe=...] [--accorcia=...]
                                   [--scambia=...]... [--togli=...] [--conto=...]

TABELLA counts the tables of the file from 1; PAGINA is the page the row stands alone
on in the original. Needs LibreOffice and poppler-utils, as pagine_libreoffice.py.
"""
import os
import re
import subprocess
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pagine_libreoffice import pagine_pdf, testo_pagina, valore  # noqa: E402


def blocchi(corpo):
    """The body's paragraphs and tables, in order, as (kind, xml); the section
    properties at its end are left out."""
    trovati, inizio = [], 0
    while True:
        testa = re.compile(r'<w:(p|tbl)\b').search(corpo, inizio)
        if not testa:
            return trovati
        tipo, profondita = testa.group(1), 0
        for segno in re.compile(r'<(/?)w:%s\b[^>]*?(/?)>' % tipo).finditer(corpo, testa.start()):
            if segno.group(2) == '/' and profondita == 0:  # an empty paragraph, <w:p/>
                fine = segno.end()
                break
            if segno.group(2) == '/':
                continue
            profondita += -1 if segno.group(1) else 1
            if profondita == 0:
                fine = segno.end()
                break
        trovati.append((tipo, corpo[testa.start():fine]))
        inizio = fine


def righe(tabella):
    return re.findall(r'<w:tr\b.*?</w:tr>', tabella, re.S)


def con_righe(tabella, nuove):
    fine_righe = tabella.rindex('</w:tr>') + len('</w:tr>')
    return tabella[:tabella.index(righe(tabella)[0])] + ''.join(nuove) + tabella[fine_righe:]


def nodi(elenco):
    """The nodes LibreOffice counts for the body: its start and end; one a paragraph; a
    table two, each of its cells two and one a paragraph in it, less the 25 LibreOffice
    takes off a table."""
    conto = 2
    for tipo, xml in elenco:
        if tipo == 'p':
            conto += 1
        else:
            celle = re.findall(r'<w:tc\b.*?</w:tc>', xml, re.S)
            conto += 2 - 25 + sum(2 + len(re.findall(r'<w:p[ >/]', c)) for c in celle)
    return conto


def accorciata(riga):
    """The row with each paragraph of its cells down to the word "x": no tabs, no
    breaks, the text of its first run only; the paragraphs, and so the nodes, stay."""
    def capoverso(trovato):
        xml = re.sub(r'<w:(tab|br)\b[^>]*/>', '', trovato.group(0))
        xml = re.sub(r'(<w:t\b[^>]*>)[^<]*</w:t>', r'\1</w:t>', xml)
        return re.sub(r'(<w:t\b[^>]*>)</w:t>', r'\1x</w:t>', xml, count=1)
    return re.sub(r'<w:p(?:\s[^>]*[^/>])?>.*?</w:p>', capoverso, riga, flags=re.S)


def testo(xml):
    return ''.join(re.findall(r'<w:t[^>]*>([^<]*)</w:t>', xml))


def main():
    argomenti = [a for a in sys.argv[1:] if not a.startswith('--')]
    if len(argomenti) != 3:
        sys.exit(__doc__)
    docx, numero, pagina = argomenti[0], int(argomenti[1]), int(argomenti[2])
    with zipfile.ZipFile(docx) as pacchetto:
        parti = {nome: pacchetto.read(nome) for nome in pacchetto.namelist()}
    xml = parti['word/document.xml'].decode('utf-8')
    apre, chiude = xml.index('<w:body>') + len('<w:body>'), xml.rindex('<w:sectPr')
    elenco = blocchi(xml[apre:chiude])
    originali = nodi(elenco)
    tabelle = [k for k, (t, _) in enumerate(elenco) if t == 'tbl']  # where each table stands
    tabella = tabelle[numero - 1]
    # The changes every variant shares, then the table cut to each count of rows.
    for argomento in (a.split('=', 1)[1] for a in sys.argv[1:] if a.startswith('--scambia=')):
        quale, i, j = (int(n) for n in argomento.split(':'))
        posto = tabelle[quale - 1]
        elenco_righe = righe(elenco[posto][1])
        elenco_righe[i], elenco_righe[j] = elenco_righe[j], elenco_righe[i]
        elenco[posto] = ('tbl', con_righe(elenco[posto][1], elenco_righe))
    tolti = {int(n) for n in (valore('--togli') or '').split(',') if n}
    if tabella in tolti:
        sys.exit('the table itself cannot be left out')
    base = [b for k, b in enumerate(elenco) if k not in tolti]
    tabella -= sum(k < tabella for k in tolti)
    # What the page is checked for: the first row, after the header row if there is one.
    prime = righe(base[tabella][1])
    cercato = re.sub(r'\s', '', ''.join(testo(r) for r in prime[:2 if 'w:tblHeader' in prime[0] else 1]))
    varianti = [('base', base, originali)]

    def con_queste(nuove):
        """The file with the table's rows replaced by `nuove`."""
        cambiata = list(base)
        cambiata[tabella] = ('tbl', con_righe(base[tabella][1], nuove))
        return cambiata
    for n in (int(n) for n in (valore('--righe') or '').split(',') if n):
        varianti.append(('righe-%d' % n, con_queste(prime[:n]), originali))
    for coppia in (c for c in (valore('--accorcia') or '').split(',') if c):
        da, a = (int(n) for n in coppia.split(':'))
        accorciate = [accorciata(r) if da <= k <= a else r for k, r in enumerate(prime)]
        varianti.append(('accorcia-%d-%d' % (da, a), con_queste(accorciate), originali))
    # Past 100 nodes the guess counts 20 paragraphs a page and 3 more for each thousand
    # nodes, up to 53.
    for k in (int(k) for k in (valore('--conto') or '').split(',') if k):
        minimo, conti = max(101, (k - 20) // 3 * 1000), nodi(base)
        if k < 20 or k > 53 or (k - 20) % 3 or (k < 53 and conti >= minimo + 1000):
            print('conto-%d: no padding makes the guess count %d paragraphs a page' % (k, k))
            continue
        varianti.append(('conto-%d' % k, base, max(minimo, conti)))

    with tempfile.TemporaryDirectory() as cartella:
        profilo = 'file://' + os.path.join(cartella, 'profilo')
        for nome, nuovo, obiettivo in varianti:
            mancano = obiettivo - nodi(nuovo)
            if mancano < 0:
                print('%s: %d nodes more than the original, whose pages LibreOffice guesses otherwise' % (nome, -mancano))
            corpo = ''.join(b for _, b in nuovo) + '<w:p/>' * max(0, mancano)
            uscita = os.path.join(cartella, nome + '.docx')
            with zipfile.ZipFile(uscita, 'w', zipfile.ZIP_DEFLATED) as pacchetto:
                for parte, dati in parti.items():
                    if parte == 'word/document.xml':
                        dati = (xml[:apre] + corpo + xml[chiude:]).encode('utf-8')
                    pacchetto.writestr(parte, dati)
            subprocess.run(['soffice', '-env:UserInstallation=' + profilo, '--headless', '--convert-to', 'pdf',
                            '--outdir', cartella, uscita], capture_output=True, check=True)
            pdf = uscita[:-len('.docx')] + '.pdf'
            pagine = pagine_pdf(pdf)
            sulla_pagina = re.sub(r'\s', '', testo_pagina(pdf, pagina)) if pagina <= pagine else ''
            sola = sulla_pagina and len(sulla_pagina) <= len(cercato) * 1.05 + 5
            print('%s: %d pages; page %d %s' % (nome, pagine, pagina,
                                                'holds the first row alone' if sola else 'holds more than the first row'))


if __name__ == '__main__':
    main()
