// Stub: the decode rule is written in its own change.
#include "ui/TForm1.h"

namespace marulo {
void TForm1::CB0Click() {}
} // namespace marulo
