// Stub: the channel, normalise and exit rules are written in their own change.
#include "ui/TForm1.h"

namespace marulo {
void TForm1::RB1Click() {}
void TForm1::RB2Click() {}
void TForm1::RB3Click() {}
void TForm1::RB4Click() {}
void TForm1::CB4Click() {}
void TForm1::B3Click() { close(); }
} // namespace marulo
