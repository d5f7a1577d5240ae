#include "ui/rules/StateApplier.h"

#include "ui/controls/Controls.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace marulo {

QWidget* StateApplier::widget(Ctl control) const
{
    return ui_.widget(control);
}

bool StateApplier::resolve(Ctl control, Cell cell) const
{
    switch (cell) {
    case Cell::on:
        return true;
    case Cell::N:
        return ui_.CB4()->isChecked();
    case Cell::M:
        return ui_.RB1()->isChecked();
    case Cell::P:
        return control == Ctl::RB1 ? ui_.CB9()->isChecked() : !ui_.CB9()->isChecked();
    case Cell::F:
        return ui_.CB8()->isChecked();
    case Cell::keep:
    case Cell::off:
    case Cell::R:
        break;
    }
    return false;
}

void StateApplier::setEnabled(const Group& controls, Cell cell) const
{
    if (cell == Cell::keep)
        return;
    Q_ASSERT(cell != Cell::R);
    for (Ctl control : controls)
        if (QWidget* w = widget(control))
            w->setEnabled(resolve(control, cell));
}

void StateApplier::applyEnabled(std::span<const ModeRow> rows, EncodeMode mode, const RateTable& rates,
                                const RateRow* rate) const
{
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

void StateApplier::applyRate(const RateTable& rates, const RateRow& row) const
{
    for (std::size_t column = 0; column < RateColumnCount; ++column)
        setEnabled(rates.columns[column], row.cells[column]);
}

void StateApplier::applyShown(std::span<const ModeRow> rows, EncodeMode mode) const
{
    for (const ModeRow& row : rows) {
        const Cell cell = row.cells[ModeIndex(mode)];
        if (cell == Cell::keep)
            continue;
        for (Ctl control : row.controls)
            if (QWidget* w = widget(control))
                w->setVisible(cell == Cell::on);
    }
}

void StateApplier::applyEnabled(std::span<const Assign> entries) const
{
    for (const Assign& entry : entries)
        setEnabled(entry.controls, entry.cell);
}

} // namespace marulo
