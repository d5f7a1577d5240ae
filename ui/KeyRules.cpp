// Stub: the key rules are written in their own change.
#include "ui/TForm1.h"

namespace marulo {
bool TForm1::ComB1KeyPress(QWidget*, QKeyEvent*) { return false; }
bool TForm1::E1KeyPress(QKeyEvent*) { return false; }
bool TForm1::E2KeyPress(QKeyEvent*) { return false; }
bool TForm1::ComB6KeyPress(QKeyEvent*) { return false; }
} // namespace marulo
