// Stub: the rate-control rules are written in their own change.
#include "ui/TForm1.h"

namespace marulo {
void TForm1::CB2Click() {}
void TForm1::CB3Click() {}
void TForm1::CB8Click() {}
void TForm1::CB9Click() {}
} // namespace marulo
