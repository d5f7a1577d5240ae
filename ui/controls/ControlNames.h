#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Every control of the main window, once: its name, which is also its
// objectName and its enumerator, and its class. Adding a control is one line
// here; Controls.h gives each a typed accessor from the same list.
// clang-format off
#define MARULO_CONTROLS(X)                                                                                         \
    X(P1, QWidget)                                                                                                 \
    X(RG1, RadioGroup)                                                                                             \
    X(GB1, QGroupBox)                                                                                              \
    X(RB1, QRadioButton) X(RB2, QRadioButton) X(RB3, QRadioButton) X(RB4, QRadioButton)                           \
    X(CB0, QCheckBox) X(CB1, QCheckBox) X(CB2, QCheckBox) X(CB3, QCheckBox) X(CB4, QCheckBox)                      \
    X(CB5, QCheckBox) X(CB6, QCheckBox) X(CB8, QCheckBox) X(CB9, QCheckBox)                                        \
    X(LT1, QLabel) X(LT2, QLabel) X(LT3, QLabel) X(LT4, QLabel) X(LT5, QLabel)                                     \
    X(L1, QFrame) X(L2, QFrame) X(L3, QFrame) X(L4, QFrame) X(L5, QFrame) X(L6, QFrame)                            \
    X(ComB1, QComboBox) X(ComB2, QComboBox) X(ComB3, QComboBox) X(ComB4, QComboBox) X(ComB6, QComboBox)            \
    X(E1, QLineEdit) X(E2, QLineEdit) X(E3, QLineEdit) X(E4, QLineEdit)                                            \
    X(UD1, UpDown) X(UD2, UpDown) X(UD3, UpDown) X(UD4, UpDown)                                                    \
    X(DCB1, DriveSelector)                                                                                         \
    X(DLB1, FolderList)                                                                                            \
    X(FLB1, FileList)                                                                                              \
    X(B1, QPushButton) X(B2, QPushButton) X(B3, QPushButton)                                                       \
    X(SB1, QStatusBar)

namespace marulo {

// The controls by name; None fills the unused places of a table's group.
enum class Ctl : std::uint8_t {
    None,
#define MARULO_CONTROL_ENUMERATOR(name, type) name,
    MARULO_CONTROLS(MARULO_CONTROL_ENUMERATOR)
#undef MARULO_CONTROL_ENUMERATOR
};

inline constexpr std::array ControlNames{
    std::string_view(),
#define MARULO_CONTROL_NAME(name, type) std::string_view(#name),
    MARULO_CONTROLS(MARULO_CONTROL_NAME)
#undef MARULO_CONTROL_NAME
};

// clang-format on

inline constexpr std::size_t ControlSlots = ControlNames.size();

constexpr std::size_t ControlIndex(Ctl control)
{
    return static_cast<std::size_t>(control);
}

// The objectName of a control; empty for None.
constexpr std::string_view ControlName(Ctl control)
{
    return ControlNames[ControlIndex(control)];
}

} // namespace marulo
