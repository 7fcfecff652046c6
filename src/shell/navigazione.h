#pragma once
// The one place that knows every window class: it fills the hooks of the window
// table (shell/profiliFinestre.h) and holds the routines that reach every window,
// the shared exit above all.

namespace navigazione {
// Fills the hooks of the window table. The program's start calls it once, before any
// window is loaded; so do the test, fuzzing and benchmark mains that load windows.
void installa();
} // namespace navigazione

// Shows the main menu modeless, loading it first when needed.
void mostraMenu();
// Asks whether to leave; on Yes unloads every window in a fixed order and shows
// the title screen again as the closing screen, with the tune resumed.
void esciProgramma();
// Does nothing.
void proceduraVuota();
