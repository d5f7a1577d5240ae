#pragma once

#include "ui/controls/ControlNames.h"

class QKeyEvent;
class QWidget;

namespace marulo {

class Controls;

// Enter in the option fields, lists and check boxes (ComB1KeyPress): on to the
// next field of the window. True when the key was consumed.
bool MoveOnEnter(QWidget* window, QWidget* control, const QKeyEvent* event);
// Enter in a numeric field (E1KeyPress, E2KeyPress, ComB6KeyPress): a number is
// pulled back within the field's limits and the focus moves on; a text that
// is no number is reported. True when the key was consumed.
bool NumberFieldEnter(QWidget* window, const Controls& ui, Ctl field, const QKeyEvent* event);

} // namespace marulo
