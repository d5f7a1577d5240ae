// Stub: the mode rule is written in its own change.
#include "ui/TForm1.h"

namespace marulo {
void TForm1::RG1Click() {}
} // namespace marulo
