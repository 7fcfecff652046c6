#pragma once
// The project record of the cover page and the two record lines in which every data
// file stores it. The cover page's text boxes are the only copy of the record: this
// type only carries their texts to and from a file.
#include <QString>

namespace archivio {
class Lettore;
class Scrittore;
} // namespace archivio

namespace ModKorvel {

struct datiFrontespizio {
    QString progetto;
    QString localita;
    QString tipostudio;
    QString committente;
    QString luogo;
    QString data;
    QString allegati;

    friend bool operator==(const datiFrontespizio&, const datiFrontespizio&) = default;
};

// The seven texts in their stored order: the cover page's own file and the last
// record of the transmittance file.
void rigaFrontespizio(archivio::Scrittore& scrittore, const datiFrontespizio& dati);
// The same without tipostudio: the last record of the feasibility and detailed files.
void rigaFrontespizioRidotta(archivio::Scrittore& scrittore, const datiFrontespizio& dati);

// Take the fields of the two lines from a reader; tipostudio stays empty in the
// reduced one (whoever applies it keeps the cover page's own). Every field must be a
// quoted text, as the boxes are always stored: anything else fails the reader, so
// that a file of another kind is not taken for a project record.
datiFrontespizio leggiRigaFrontespizio(archivio::Lettore& lettore);
datiFrontespizio leggiRigaFrontespizioRidotta(archivio::Lettore& lettore);

} // namespace ModKorvel
