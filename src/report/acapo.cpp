#include "report/acapo.h"

#include <QChar>

#include <array>

namespace documento::dettaglio {

namespace {

// Line-breaking classes (Unicode Standard Annex 14, version 5.0). Ambiguous, unknown
// and complex-context characters count as letters (AL).
enum Classe : unsigned char { AL, NU, SP, BA, BB, B2, HY, CB, CL, EX, GL, IN, IS, NS, OP, PO, PR, QU, SY, WJ, ZW, CM, ID, BK };

constexpr std::array<Classe, 128> classiAscii = [] {
    std::array<Classe, 128> t{};
    for (auto& c : t)
        c = CM; // control characters: they never stand alone in a document's text
    for (int c = 0x20; c < 0x7F; ++c)
        t[std::size_t(c)] = AL;
    for (int c = '0'; c <= '9'; ++c)
        t[std::size_t(c)] = NU;
    t['\t'] = BA;
    t[0x0B] = BK;
    t[' '] = SP;
    t['!'] = EX;
    t['"'] = QU;
    t['$'] = PR;
    t['%'] = PO;
    t['\''] = QU;
    t['('] = OP;
    t[')'] = CL;
    t['+'] = PR;
    t[','] = IS;
    t['-'] = HY;
    t['.'] = IS;
    t['/'] = SY;
    t[':'] = IS;
    t[';'] = IS;
    t['?'] = EX;
    t['['] = OP;
    t['\\'] = SY; // a symbol like the slash, not a currency prefix
    t[']'] = CL;
    t['{'] = OP;
    t['|'] = BA;
    t['}'] = CL;
    return t;
}();

Classe classePerCategoria(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Other_Control:
        return CM;
    case QChar::Number_DecimalDigit:
        return NU;
    case QChar::Punctuation_Open:
        return OP;
    case QChar::Punctuation_Close:
        return CL;
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
        return QU;
    case QChar::Punctuation_Dash:
    case QChar::Separator_Space:
        return BA;
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return BK;
    case QChar::Symbol_Currency:
        return PR;
    default:
        return AL;
    }
}

Classe classe(char32_t c)
{
    if (c < 0x80)
        return classiAscii[c];
    if (c < 0xC0) {
        switch (c) {
        case 0xA0: return GL;
        case 0xA1: return OP;
        case 0xA2: return PO;
        case 0xA3: case 0xA4: case 0xA5: case 0xAC: case 0xB1: return PR;
        case 0xAB: case 0xBB: return QU;
        case 0xAD: return BA;
        case 0xB4: return BB;
        case 0xBF: return OP;
        default: return AL; // the degree sign among them: a letter
        }
    }
    if (c < 0x0300)
        return AL;
    if (c >= 0x2000 && c <= 0x206F) {
        switch (c) {
        case 0x2007: case 0x2011: case 0x202F: return GL;
        case 0x200B: return ZW;
        case 0x2014: return B2;
        case 0x2015: case 0x2016: case 0x2017: return AL;
        case 0x2018: case 0x2019: case 0x201B: case 0x201C: case 0x201D: case 0x201F: case 0x2039: case 0x203A: return QU;
        case 0x201A: case 0x201E: case 0x2045: return OP;
        case 0x2046: return CL;
        case 0x2024: case 0x2025: case 0x2026: return IN;
        case 0x2027: return BA;
        case 0x2028: case 0x2029: return BK;
        case 0x203C: case 0x203D: case 0x2047: case 0x2048: case 0x2049: return NS;
        case 0x2044: return IS;
        case 0x2060: return WJ;
        default: break;
        }
        if (c <= 0x200A || c == 0x2010 || c == 0x2012 || c == 0x2013 || c == 0x205F)
            return BA;
        if (c >= 0x2030 && c <= 0x2037)
            return PO;
        if ((c >= 0x200C && c <= 0x200F) || (c >= 0x202A && c <= 0x202E))
            return CM;
        return AL;
    }
    if (c >= 0x20A0 && c <= 0x20CF)
        return c == 0x20A7 ? PO : PR;
    switch (c) {
    case 0x2103: case 0x2109: return PO;
    case 0x2116: case 0x2212: case 0x2213: return PR;
    case 0x3000: return BA;
    case 0xFEFF: return WJ;
    case 0xFFFC: return CB;
    default: break;
    }
    // Ideographs, kana and Hangul syllables break between any two of them.
    if ((c >= 0x2E80 && c <= 0x2FFF) || (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF)
        || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFD)) {
        const Classe perCategoria = classePerCategoria(c);
        return perCategoria == AL ? ID : perCategoria;
    }
    return classePerCategoria(c);
}

bool uno(Classe c, std::initializer_list<Classe> tra)
{
    for (Classe t : tra)
        if (c == t)
            return true;
    return false;
}

// A code point with its position in the text and its class; a combining mark takes
// the class of what it combines with, and counts as a letter alone.
struct Punto {
    int posizione;
    Classe classe;
    bool unito;     // a combining mark on the character before it
    bool postfisso; // the degree sign: a letter, and a postfix after a number too
};

std::vector<Punto> puntiDi(QStringView testo)
{
    std::vector<Punto> punti;
    punti.reserve(std::size_t(testo.size()));
    for (qsizetype i = 0; i < testo.size(); ++i) {
        char32_t c = testo[i].unicode();
        const int posizione = int(i);
        if (QChar::isHighSurrogate(c) && i + 1 < testo.size() && testo[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(testo[i], testo[i + 1]);
            ++i;
        }
        Classe k = classe(c);
        bool unito = false;
        if (k == CM) {
            if (!punti.empty() && !uno(punti.back().classe, {SP, BK, ZW})) {
                k = punti.back().classe;
                unito = true;
            } else {
                k = AL;
            }
        }
        punti.push_back({posizione, k, unito, c == 0xB0});
    }
    return punti;
}

// Numbers: (PR|PO)? OP? NU (NU|SY|IS)* CL? (PR|PO)? holds together. numero[j]: no
// break before punti[j] within a number.
std::vector<char> dentroUnNumero(const std::vector<Punto>& punti)
{
    const std::size_t m = punti.size();
    std::vector<char> numero(m, 0);
    const auto prefissoOPostfisso = [&](std::size_t k) { return uno(punti[k].classe, {PR, PO}) || punti[k].postfisso; };
    for (std::size_t j = 0; j < m;) {
        if (punti[j].classe != NU) {
            ++j;
            continue;
        }
        std::size_t inizio = j;
        if (inizio > 0 && punti[inizio - 1].classe == OP)
            --inizio;
        if (inizio > 0 && prefissoOPostfisso(inizio - 1))
            --inizio;
        std::size_t fine = j + 1;
        while (fine < m && uno(punti[fine].classe, {NU, SY, IS}))
            ++fine;
        if (fine < m && punti[fine].classe == CL)
            ++fine;
        if (fine < m && prefissoOPostfisso(fine))
            ++fine;
        for (std::size_t k = inizio + 1; k < fine; ++k)
            numero[k] = 1;
        j = fine;
    }
    return numero;
}

// The pair rules, in their order: may a line end before punti[j]? `primaDegliSpazi`
// is the class before the run of spaces that ends at punti[j - 1], if any.
bool rotturaPrima(const std::vector<Punto>& punti, std::size_t j, Classe primaDegliSpazi, const std::vector<char>& numero)
{
    const Classe a = punti[j - 1].classe;
    const Classe b = punti[j].classe;
    if (punti[j].unito)
        return false;
    if (b == SP || b == ZW || b == BK)
        return false;
    // Nor before what a no-break space follows.
    if (j + 1 < punti.size() && punti[j + 1].classe == GL && !punti[j + 1].unito)
        return false;
    if (a == ZW || a == BK)
        return true;
    if (a == WJ || b == WJ || a == GL || (b == GL && a != SP))
        return false;
    if (uno(b, {CL, EX, IS, SY}))
        return false;
    if (primaDegliSpazi == OP || (b == NS && primaDegliSpazi == CL) || (b == B2 && primaDegliSpazi == B2))
        return false;
    if (a == SP)
        return true;
    if (a == QU || b == QU)
        return false;
    if (a == CB || b == CB)
        return true;
    if (uno(b, {BA, HY, NS}) || a == BB)
        return false;
    if (b == IN && uno(a, {AL, ID, IN, NU}))
        return false;
    if ((a == ID && b == PO) || (a == AL && b == NU) || (a == NU && b == AL))
        return false;
    if ((a == PR && (b == ID || b == AL)) || (a == AL && b == PR) || (a == PO && b == AL))
        return false;
    if (numero[j])
        return false;
    if (a == AL && b == AL)
        return false;
    if (a == IS && (b == AL || b == NU))
        return false;
    if ((uno(a, {AL, NU}) && b == OP) || (a == CL && uno(b, {AL, NU})))
        return false;
    return true;
}

} // namespace

void puntiDiRottura(QStringView testo, std::vector<char>& rotture)
{
    rotture.assign(std::size_t(testo.size()), 0);
    if (testo.size() < 2)
        return;
    const std::vector<Punto> punti = puntiDi(testo);
    const std::vector<char> numero = dentroUnNumero(punti);
    Classe primaDegliSpazi = punti[0].classe; // the class before the run of spaces, if any
    for (std::size_t j = 1; j < punti.size(); ++j) {
        if (punti[j - 1].classe != SP)
            primaDegliSpazi = punti[j - 1].classe;
        rotture[std::size_t(punti[j].posizione)] = rotturaPrima(punti, j, primaDegliSpazi, numero) ? 1 : 0;
    }
}

int rotturaDopoBarra(QStringView testo, int rottura)
{
    if (rottura <= 0 || rottura > testo.size() || testo[rottura - 1] != QLatin1Char('/'))
        return rottura;
    constexpr int troppoLungo = 66;
    for (int i = rottura - 2; i >= 0 && rottura - i <= troppoLungo; --i) {
        const QChar c = testo[i];
        // Blanks, not the no-break ones.
        if (c.isSpace() && c != QChar(0xA0) && c != QChar(0x2007) && c != QChar(0x202F))
            return i + 1;
    }
    return rottura;
}

} // namespace documento::dettaglio
