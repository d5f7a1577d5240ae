#include "ui/StateApplier.h"

#include "ui/Controls.h"
#include "ui/RadioGroup.h"
#include "ui/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace marulo {

QWidget* StateApplier::widget(Ctl control) const {
    switch (control) {
    case Ctl::None: return nullptr;
    case Ctl::RG1: return ui_.RG1;
    case Ctl::RB1: return ui_.RB1;
    case Ctl::RB2: return ui_.RB2;
    case Ctl::RB3: return ui_.RB3;
    case Ctl::RB4: return ui_.RB4;
    case Ctl::CB0: return ui_.CB0;
    case Ctl::CB1: return ui_.CB1;
    case Ctl::CB2: return ui_.CB2;
    case Ctl::CB3: return ui_.CB3;
    case Ctl::CB4: return ui_.CB4;
    case Ctl::CB5: return ui_.CB5;
    case Ctl::CB6: return ui_.CB6;
    case Ctl::CB8: return ui_.CB8;
    case Ctl::CB9: return ui_.CB9;
    case Ctl::LT1: return ui_.LT1;
    case Ctl::LT2: return ui_.LT2;
    case Ctl::LT3: return ui_.LT3;
    case Ctl::LT4: return ui_.LT4;
    case Ctl::LT5: return ui_.LT5;
    case Ctl::ComB1: return ui_.ComB1;
    case Ctl::ComB2: return ui_.ComB2;
    case Ctl::ComB3: return ui_.ComB3;
    case Ctl::ComB4: return ui_.ComB4;
    case Ctl::ComB6: return ui_.ComB6;
    case Ctl::E1: return ui_.E1;
    case Ctl::E2: return ui_.E2;
    case Ctl::E3: return ui_.E3;
    case Ctl::E4: return ui_.E4;
    case Ctl::UD1: return ui_.UD1;
    case Ctl::UD2: return ui_.UD2;
    case Ctl::UD3: return ui_.UD3;
    case Ctl::UD4: return ui_.UD4;
    }
    return nullptr;
}

bool StateApplier::resolve(Ctl control, Cell cell) const {
    switch (cell) {
    case Cell::on: return true;
    case Cell::N: return ui_.CB4->isChecked();
    case Cell::M: return ui_.RB1->isChecked();
    case Cell::P: return control == Ctl::RB1 ? ui_.CB9->isChecked() : !ui_.CB9->isChecked();
    case Cell::F: return ui_.CB8->isChecked();
    case Cell::keep:
    case Cell::off:
    case Cell::R: break;
    }
    return false;
}

void StateApplier::setEnabled(const Group& controls, Cell cell) const {
    if (cell == Cell::keep)
        return;
    Q_ASSERT(cell != Cell::R);
    for (Ctl control : controls)
        if (QWidget* w = widget(control))
            w->setEnabled(resolve(control, cell));
}

void StateApplier::applyEnabled(std::span<const ModeRow> rows, EncodeMode mode, const RateTable& rates,
                                const RateRow* rate) const {
    for (const ModeRow& row : rows) {
        const Cell cell = row.cells[ModeIndex(mode)];
        if (cell != Cell::R) {
            setEnabled(row.controls, cell);
            continue;
        }
        // Each control of an R row takes the cell of the rate column that names it.
        Q_ASSERT(rate);
        for (Ctl control : row.controls) {
            if (control == Ctl::None || !rate)
                continue;
            for (std::size_t column = 0; column < RateColumnCount; ++column)
                for (Ctl named : rates.columns[column])
                    if (named == control && named != Ctl::None) {
                        Q_ASSERT(rate->cells[column] != Cell::keep && rate->cells[column] != Cell::R);
                        setEnabled(Group{control}, rate->cells[column]);
                    }
        }
    }
}

void StateApplier::applyRate(const RateTable& rates, const RateRow& row) const {
    for (std::size_t column = 0; column < RateColumnCount; ++column)
        setEnabled(rates.columns[column], row.cells[column]);
}

void StateApplier::applyShown(std::span<const ModeRow> rows, EncodeMode mode) const {
    for (const ModeRow& row : rows) {
        const Cell cell = row.cells[ModeIndex(mode)];
        if (cell == Cell::keep)
            continue;
        for (Ctl control : row.controls)
            if (QWidget* w = widget(control))
                w->setVisible(cell == Cell::on);
    }
}

void StateApplier::applyEnabled(std::span<const Assign> entries) const {
    for (const Assign& entry : entries)
        setEnabled(entry.controls, entry.cell);
}

} // namespace marulo
