#include "shell/menu.h"

menu::menu() = default;

void menu::Form_Load() {}
