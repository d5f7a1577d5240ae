// Stub: the conversions are written in their own change.
#include "ui/TForm1.h"

namespace marulo {
void TForm1::B1Click() {}
void TForm1::B2Click() {}
} // namespace marulo
