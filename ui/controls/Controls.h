#pragma once

#include "ui/controls/ControlNames.h"
#include "ui/widgets/DriveSelector.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <array>

namespace marulo {

// The main window's controls, indexed by Ctl. The window owns the widgets (Qt
// parentage); this is only the way the rules reach them, by enumerator or by
// the typed accessor of the same name.
class Controls {
public:
    // Takes a newly made control into its place and names it.
    template <class Widget>
    Widget* adopt(Ctl control, Widget* widget)
    {
        widget->setObjectName(QLatin1String(ControlName(control)));
        widgets_[ControlIndex(control)] = widget;
        return widget;
    }

    // nullptr for None.
    QWidget* widget(Ctl control) const { return widgets_[ControlIndex(control)]; }

#define MARULO_CONTROL_ACCESSOR(name, type)                                                                            \
    type* name() const                                                                                                 \
    {                                                                                                                  \
        return static_cast<type*>(widget(Ctl::name));                                                                  \
    }
    MARULO_CONTROLS(MARULO_CONTROL_ACCESSOR)
#undef MARULO_CONTROL_ACCESSOR

private:
    std::array<QWidget*, ControlSlots> widgets_{};
};

} // namespace marulo
