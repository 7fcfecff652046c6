#include "shell/clsResize.h"

#include "platform/finestra.h"

namespace {
QSize schermoImpostato;
}

clsResize::clsResize() = default;
clsResize::~clsResize() = default;

Finestra* clsResize::SourceForm() const { return sourceForm_; }
void clsResize::setSourceForm(Finestra* finestra) { sourceForm_ = finestra; }
void clsResize::ReInitialise() { GetInitialPositions(); }
void clsResize::SizeFormToScreen(unsigned char) {}
void clsResize::ResizeControls() {}
void clsResize::impostaSchermo(QSize twips) { schermoImpostato = twips; }
QSize clsResize::schermo() { return schermoImpostato; }
void clsResize::GetInitialPositions() { nonRegistrato_ = false; }
