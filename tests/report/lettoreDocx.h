#pragma once
// Reads back a DOCX package for the tests: unzips it with libzip and parses
// word/document.xml into paragraphs and tables, word/styles.xml into its defaults.
#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <zip.h>

#include <vector>

namespace lettore {

inline QMap<QString, QByteArray> decomprimi(const QByteArray& pacchetto)
{
    QMap<QString, QByteArray> parti;
    zip_error_t errore;
    zip_error_init(&errore);
    zip_source_t* sorgente = zip_source_buffer_create(pacchetto.constData(), zip_uint64_t(pacchetto.size()), 0, &errore);
    zip_t* archivio = sorgente ? zip_open_from_source(sorgente, ZIP_RDONLY | ZIP_CHECKCONS, &errore) : nullptr;
    zip_error_fini(&errore);
    if (!archivio) {
        if (sorgente)
            zip_source_free(sorgente);
        return parti;
    }
    const zip_int64_t voci = zip_get_num_entries(archivio, 0);
    for (zip_int64_t i = 0; i < voci; ++i) {
        zip_stat_t info;
        zip_stat_index(archivio, zip_uint64_t(i), 0, &info);
        zip_file_t* file = zip_fopen_index(archivio, zip_uint64_t(i), 0);
        QByteArray dati(qsizetype(info.size), '\0');
        zip_fread(file, dati.data(), info.size);
        zip_fclose(file);
        parti.insert(QString::fromUtf8(info.name), dati);
    }
    zip_close(archivio);
    return parti;
}

inline QMap<QString, QByteArray> decomprimiFile(const QString& nome)
{
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decomprimi(file.readAll());
}

struct Sequenza {
    QString testo;
    QString font;
    int mezziPunti = 0;
    bool grassetto = false;
    QString colore;
};

struct Paragrafo {
    std::vector<Sequenza> sequenze;
    QString jc;
    bool nuovaPagina = false;
    int mezziPuntiMarca = 0;
    QString testo() const
    {
        QString t;
        for (const auto& s : sequenze)
            t += s.testo;
        return t;
    }
};

struct Cella {
    std::vector<Paragrafo> paragrafi;
    QString sfondo;
    int larghezza = 0; // tcW
    QString testo() const
    {
        QStringList t;
        for (const auto& p : paragrafi)
            t << p.testo();
        return t.join(QLatin1Char('\n'));
    }
};

struct Bordo {
    QString tipo, colore;
    int ottavi = 0; // sz
};

struct Tabella {
    std::vector<int> griglia;
    std::vector<std::vector<Cella>> righe;
    std::vector<bool> intestazioni; // tblHeader, row by row
    int larghezza = 0;              // tblW
    int margineSinistro = -1, margineDestro = -1; // tblCellMar
    QMap<QString, Bordo> bordi;     // tblBorders, by side
};

struct Blocco {
    bool tabella = false;
    Paragrafo paragrafo;
    Tabella griglia;
};

struct Corpo {
    std::vector<Blocco> blocchi;
    bool ultimoPrimaDiSectPr = false; // the body's last element before sectPr is a paragraph
    int larghezzaPagina = 0, altezzaPagina = 0, margineSinistro = 0;
    bool valido = false;
    QString errore;
    std::vector<const Tabella*> tabelle() const
    {
        std::vector<const Tabella*> t;
        for (const auto& b : blocchi)
            if (b.tabella)
                t.push_back(&b.griglia);
        return t;
    }
    std::vector<const Paragrafo*> paragrafi() const
    {
        std::vector<const Paragrafo*> p;
        for (const auto& b : blocchi)
            if (!b.tabella)
                p.push_back(&b.paragrafo);
        return p;
    }
};

namespace dettaglio {
inline QString w(const QXmlStreamReader& x, const char* nome)
{
    return x.attributes().value(QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main"), QString::fromLatin1(nome)).toString();
}

inline Paragrafo leggiParagrafo(QXmlStreamReader& x)
{
    // x stands on the start of w:p.
    Paragrafo p;
    Sequenza corrente;
    bool inRun = false, inPPr = false;
    int profondita = 1;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement()) {
            if (--profondita == 0)
                break;
            if (x.name() == QLatin1String("r")) {
                if (!corrente.testo.isEmpty())
                    p.sequenze.push_back(corrente);
                inRun = false;
            } else if (x.name() == QLatin1String("pPr")) {
                inPPr = false;
            }
            continue;
        }
        if (!x.isStartElement())
            continue;
        ++profondita;
        const auto nome = x.name();
        if (nome == QLatin1String("pPr")) {
            inPPr = true;
        } else if (inPPr && nome == QLatin1String("jc")) {
            p.jc = w(x, "val");
        } else if (inPPr && nome == QLatin1String("sz")) {
            p.mezziPuntiMarca = w(x, "val").toInt();
        } else if (nome == QLatin1String("r")) {
            inRun = true;
            corrente = Sequenza{};
        } else if (inRun && nome == QLatin1String("rFonts")) {
            corrente.font = w(x, "ascii");
        } else if (inRun && nome == QLatin1String("b")) {
            corrente.grassetto = true;
        } else if (inRun && nome == QLatin1String("sz")) {
            corrente.mezziPunti = w(x, "val").toInt();
        } else if (inRun && nome == QLatin1String("color")) {
            corrente.colore = w(x, "val");
        } else if (inRun && nome == QLatin1String("t")) {
            corrente.testo += x.readElementText();
            --profondita;
        } else if (inRun && nome == QLatin1String("tab")) {
            corrente.testo += QLatin1Char('\t');
        } else if (inRun && nome == QLatin1String("br")) {
            if (w(x, "type") == QLatin1String("page"))
                p.nuovaPagina = true;
            else
                corrente.testo += QChar(0x0B);
        }
    }
    return p;
}

inline Tabella leggiTabella(QXmlStreamReader& x)
{
    Tabella t;
    bool inBordi = false, inMargini = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement() && x.name() == QLatin1String("tbl"))
            break;
        if (x.isEndElement() && x.name() == QLatin1String("tblBorders"))
            inBordi = false;
        if (x.isEndElement() && x.name() == QLatin1String("tblCellMar"))
            inMargini = false;
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("tblBorders")) {
            inBordi = true;
        } else if (inBordi) {
            t.bordi[x.name().toString()] = Bordo{w(x, "val"), w(x, "color"), w(x, "sz").toInt()};
        } else if (x.name() == QLatin1String("tblCellMar")) {
            inMargini = true;
        } else if (inMargini && x.name() == QLatin1String("left")) {
            t.margineSinistro = w(x, "w").toInt();
        } else if (inMargini && x.name() == QLatin1String("right")) {
            t.margineDestro = w(x, "w").toInt();
        } else if (x.name() == QLatin1String("tblW")) {
            t.larghezza = w(x, "w").toInt();
        } else if (x.name() == QLatin1String("gridCol")) {
            t.griglia.push_back(w(x, "w").toInt());
        } else if (x.name() == QLatin1String("tr")) {
            t.righe.emplace_back();
            t.intestazioni.push_back(false);
        } else if (x.name() == QLatin1String("tblHeader")) {
            t.intestazioni.back() = true;
        } else if (x.name() == QLatin1String("tcW")) {
            t.righe.back().back().larghezza = w(x, "w").toInt();
        } else if (x.name() == QLatin1String("tc")) {
            t.righe.back().emplace_back();
        } else if (x.name() == QLatin1String("shd")) {
            t.righe.back().back().sfondo = w(x, "fill");
        } else if (x.name() == QLatin1String("p")) {
            t.righe.back().back().paragrafi.push_back(leggiParagrafo(x));
        }
    }
    return t;
}
} // namespace dettaglio

inline Corpo leggiCorpo(const QByteArray& xml)
{
    Corpo c;
    QXmlStreamReader x(xml);
    bool inBody = false;
    QString ultimo;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const auto nome = x.name();
        if (nome == QLatin1String("body")) {
            inBody = true;
        } else if (inBody && nome == QLatin1String("p")) {
            Blocco b;
            b.paragrafo = dettaglio::leggiParagrafo(x);
            c.blocchi.push_back(b);
            ultimo = QStringLiteral("p");
        } else if (inBody && nome == QLatin1String("tbl")) {
            Blocco b;
            b.tabella = true;
            b.griglia = dettaglio::leggiTabella(x);
            c.blocchi.push_back(b);
            ultimo = QStringLiteral("tbl");
        } else if (nome == QLatin1String("sectPr")) {
            c.ultimoPrimaDiSectPr = ultimo == QLatin1String("p");
        } else if (nome == QLatin1String("pgSz")) {
            c.larghezzaPagina = dettaglio::w(x, "w").toInt();
            c.altezzaPagina = dettaglio::w(x, "h").toInt();
        } else if (nome == QLatin1String("pgMar")) {
            c.margineSinistro = dettaglio::w(x, "left").toInt();
        }
    }
    c.valido = !x.hasError();
    c.errore = x.errorString();
    return c;
}

// word/styles.xml: the defaults of runs and paragraphs and the default table style.
struct Stili {
    QString font, lingua;
    int mezziPunti = 0;
    QMap<QString, QString> spaziatura;  // pPrDefault's spacing, by attribute
    QString stileTabella;               // styleId of the default table style
    QMap<QString, int> marginiCella;    // its tblCellMar, by side
    QStringList predefiniti;            // type:styleId of every default style
    bool valido = false;
};

inline Stili leggiStili(const QByteArray& xml)
{
    Stili st;
    QXmlStreamReader x(xml);
    bool inDefaults = false, inTabella = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement() && x.name() == QLatin1String("docDefaults"))
            inDefaults = false;
        if (x.isEndElement() && x.name() == QLatin1String("style"))
            inTabella = false;
        if (!x.isStartElement())
            continue;
        const auto nome = x.name();
        if (nome == QLatin1String("docDefaults")) {
            inDefaults = true;
        } else if (inDefaults && nome == QLatin1String("rFonts")) {
            st.font = dettaglio::w(x, "ascii");
        } else if (inDefaults && nome == QLatin1String("sz")) {
            st.mezziPunti = dettaglio::w(x, "val").toInt();
        } else if (inDefaults && nome == QLatin1String("lang")) {
            st.lingua = dettaglio::w(x, "val");
        } else if (inDefaults && nome == QLatin1String("spacing")) {
            for (const auto& a : x.attributes())
                st.spaziatura[a.name().toString()] = a.value().toString();
        } else if (nome == QLatin1String("style")) {
            const QString tipo = dettaglio::w(x, "type"), id = dettaglio::w(x, "styleId");
            if (dettaglio::w(x, "default") == QLatin1String("1")) {
                st.predefiniti << tipo + QLatin1Char(':') + id;
                if (tipo == QLatin1String("table")) {
                    st.stileTabella = id;
                    inTabella = true;
                }
            }
        } else if (inTabella && (nome == QLatin1String("top") || nome == QLatin1String("left") || nome == QLatin1String("bottom")
                                 || nome == QLatin1String("right"))) {
            st.marginiCella[nome.toString()] = dettaglio::w(x, "w").toInt();
        }
    }
    st.valido = !x.hasError();
    return st;
}

// Whether an XML part parses without error.
inline bool benFormato(const QByteArray& xml)
{
    QXmlStreamReader x(xml);
    while (!x.atEnd())
        x.readNext();
    return !x.hasError();
}

} // namespace lettore
