#pragma once
// Module routines of the shell: showing the main menu, the shared exit and the
// empty routine the title screen calls at load.

// Shows the main menu modeless, loading it first when needed.
void mostraMenu();
// Asks whether to leave; on Yes unloads every window in a fixed order and shows
// the title screen again as the closing screen, with the tune resumed.
void esciProgramma();
// Does nothing.
void proceduraVuota();
