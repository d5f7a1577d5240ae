// Enter in the option fields, lists and check boxes: on to the next field, and
// in the numeric fields E1, E2 and ComB6 first back within the limits.
#include "ui/rules/KeyRules.h"

#include "launcher/Translation.h"
#include "ui/controls/Controls.h"
#include "ui/rules/ChannelTables.h"
#include "ui/rules/StateApplier.h"
#include "ui/texts/FormTexts.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>

#include <optional>

namespace marulo {

namespace {

// Return and the keypad's Enter, with any modifier: a field left to act on one
// (an editable combo box adds its text to its list) would do more than Enter may.
bool IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The parts of a composite control (a list's viewport and scroll bars, a combo
// box's line edit) are not fields of their own.
bool InsideComposite(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(parent) || qobject_cast<const QComboBox*>(parent))
            return true;
    return false;
}

// A field that Enter may move to: enabled, shown, a tab stop; of a set of
// radio buttons only the checked one (the selected item of RG1, the checked
// channel button of GB1).
bool TakesFocus(QWidget* widget, const QWidget* window)
{
    if (widget == window || widget->window() != window || widget->focusProxy())
        return false;
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() || !widget->isVisibleTo(window))
        return false;
    if (const auto* radio = qobject_cast<const QRadioButton*>(widget); radio && !radio->isChecked())
        return false;
    return !InsideComposite(widget, window);
}

// The next field after `from` in the window's tab order, wrapping round; the
// focus stays when there is none.
void MoveFocusToNextField(QWidget* window, QWidget* from)
{
    // The chain is a ring; the bound only guards against a control outside it.
    const qsizetype bound = window->findChildren<QWidget*>().size() + 1;
    QWidget* candidate = from->nextInFocusChain();
    for (qsizetype step = 0; candidate && candidate != from && step < bound; ++step) {
        if (TakesFocus(candidate, window)) {
            candidate->setFocus(Qt::TabFocusReason);
            return;
        }
        candidate = candidate->nextInFocusChain();
    }
}

// Decimal, optional sign and fraction, nothing else (no exponent, no "inf").
std::optional<double> ReadNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)\s*$)"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString FieldText(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->currentText();
    return {};
}

void SetFieldText(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(text);
}

// Window-modal and not waited for: a conversion waiting for its converter goes
// on dispatching while the box is up.
void ReportNotANumber(QWidget* window, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QString::fromUtf8(FormTexts::ApplicationTitle),
                                Translated("FormTexts", FormTexts::NotANumber).arg(text), QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

// Enter in a numeric field. A text that is no number is reported and left as
// typed, the focus with it; the Enter is still swallowed so that the field
// does nothing of its own with it (an editable combo box would add the text
// to its list).
bool NumberEnter(QWidget* window, QWidget* field, Ctl id)
{
    const QString text = FieldText(field);
    const std::optional<double> value = ReadNumber(text);
    if (!value) {
        ReportNotANumber(window, text);
        return true;
    }
    for (const ChannelTables::Limit& limit : ChannelTables::Limits) {
        if (limit.field != id)
            continue;
        if (*value > limit.upper)
            SetFieldText(field, QString::fromUtf8(limit.upperText));
        // The number read, not the text just written, is compared.
        if (limit.hasLower && *value < limit.lower)
            SetFieldText(field, QString::fromUtf8(limit.lowerText));
    }
    MoveFocusToNextField(window, field);
    return true;
}

} // namespace

bool MoveOnEnter(QWidget* window, QWidget* control, const QKeyEvent* event)
{
    if (!IsEnter(event))
        return false;
    MoveFocusToNextField(window, control);
    return true;
}

bool NumberFieldEnter(QWidget* window, const Controls& ui, Ctl field, const QKeyEvent* event)
{
    return IsEnter(event) && NumberEnter(window, ui.widget(field), field);
}

} // namespace marulo
