#include "help/guidafunzionamento.h"

guidafunzionamento::guidafunzionamento() = default;

void guidafunzionamento::Form_Load() {}
