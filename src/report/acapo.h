#pragma once
// Where a line of text may end, as the word processor that shows the saved file breaks
// Italian text: the line-breaking classes and pair rules of Unicode 5.0 in its own
// tailoring (the degree sign is a letter, the backslash a symbol like the slash, no
// rule ties an opening quote to an opening parenthesis), then its glue of a slash to
// the word it stands in. Private to report/.
#include <QStringView>

#include <vector>

namespace documento::dettaglio {

// rotture[i], for 0 < i < testo.size(): a line may end before testo[i]. rotture[0] is
// false; the vector is as long as the text.
void puntiDiRottura(QStringView testo, std::vector<char>& rotture);

// A line that would end right after a slash ends instead after the blank before the
// slash's word, when a blank stands within the 66 characters before it ("kWh/anno"
// and "Tecnico/Comunale" move whole to the next line; a long path does break after a
// slash). Returns the position the line ends at.
int rotturaDopoBarra(QStringView testo, int rottura);

} // namespace documento::dettaglio
