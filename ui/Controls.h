#pragma once

class QWidget;
class QGroupBox;
class QRadioButton;
class QCheckBox;
class QLabel;
class QFrame;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace marulo {

class RadioGroup;
class UpDown;
class DriveSelector;
class FolderList;
class FileList;

// Every control of the main window, under its own name. The window owns the
// widgets (Qt parentage); this is only the way the rules reach them.
struct Controls {
    QWidget* P1 = nullptr;
    RadioGroup* RG1 = nullptr;
    QGroupBox* GB1 = nullptr;
    QRadioButton *RB1 = nullptr, *RB2 = nullptr, *RB3 = nullptr, *RB4 = nullptr;
    QCheckBox *CB0 = nullptr, *CB1 = nullptr, *CB2 = nullptr, *CB3 = nullptr, *CB4 = nullptr, *CB5 = nullptr,
              *CB6 = nullptr, *CB8 = nullptr, *CB9 = nullptr;
    QLabel *LT1 = nullptr, *LT2 = nullptr, *LT3 = nullptr, *LT4 = nullptr, *LT5 = nullptr;
    QFrame *L1 = nullptr, *L2 = nullptr, *L3 = nullptr, *L4 = nullptr, *L5 = nullptr, *L6 = nullptr;
    QComboBox *ComB1 = nullptr, *ComB2 = nullptr, *ComB3 = nullptr, *ComB4 = nullptr, *ComB6 = nullptr;
    QLineEdit *E1 = nullptr, *E2 = nullptr, *E3 = nullptr, *E4 = nullptr;
    UpDown *UD1 = nullptr, *UD2 = nullptr, *UD3 = nullptr, *UD4 = nullptr;
    DriveSelector* DCB1 = nullptr;
    FolderList* DLB1 = nullptr;
    FileList* FLB1 = nullptr;
    QPushButton *B1 = nullptr, *B2 = nullptr, *B3 = nullptr;
    QStatusBar* SB1 = nullptr;
};

} // namespace marulo
