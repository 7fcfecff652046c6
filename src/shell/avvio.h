#pragma once
// Start of the program: installs the desktop implementations of the platform
// services and opens the title screen.
void avviaProgramma();
