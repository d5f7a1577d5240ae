#include "ui/settings/SettingsDialog.h"

#include "launcher/Translation.h"
#include "ui/texts/SettingsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

namespace marulo {

namespace {

// The control of one setting, showing its value; the row's label beside it,
// except for a check box, which carries its own.
QWidget* MakeControl(const SettingDeclaration& setting, const QVariant& value, QWidget* parent)
{
    QWidget* control = nullptr;
    switch (setting.type) {
    case SettingType::Int: {
        auto* spin = new QSpinBox(parent);
        spin->setRange(static_cast<int>(setting.lower), static_cast<int>(SettingUpper(setting)));
        spin->setValue(value.toInt());
        control = spin;
        break;
    }
    case SettingType::Double: {
        auto* spin = new QDoubleSpinBox(parent);
        spin->setRange(setting.lower, SettingUpper(setting));
        spin->setValue(value.toDouble());
        control = spin;
        break;
    }
    case SettingType::Bool: {
        auto* box = new QCheckBox(Translated("SettingDeclarations", setting.label), parent);
        box->setChecked(value.toBool());
        control = box;
        break;
    }
    case SettingType::Choice: {
        auto* combo = new QComboBox(parent);
        for (const SettingChoice& choice : setting.choices)
            combo->addItem(Translated("SettingDeclarations", choice.label));
        combo->setCurrentIndex(value.toInt());
        control = combo;
        break;
    }
    case SettingType::Text:
        control = new QLineEdit(value.toString(), parent);
        break;
    }
    control->setObjectName(QString::fromUtf8(setting.name));
    return control;
}

// A number with presets: its field, and beside it a list whose choice fills
// the field in. The list says nothing of its own, so it shows no choice.
QWidget* WithPresets(const SettingDeclaration& setting, QDoubleSpinBox* spin, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* presets = new QComboBox(row);
    presets->setObjectName(QString::fromUtf8(setting.name) + QStringLiteral("Presets"));
    for (const SettingChoice& preset : setting.choices)
        presets->addItem(Translated("SettingDeclarations", preset.label), QString::fromUtf8(preset.word).toDouble());
    presets->setCurrentIndex(-1);
    QObject::connect(presets, &QComboBox::activated, spin,
                     [spin, presets](int index) { spin->setValue(presets->itemData(index).toDouble()); });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(spin);
    layout->addWidget(presets);
    return row;
}

QVariant ValueOf(const SettingDeclaration& setting, const QWidget* control)
{
    switch (setting.type) {
    case SettingType::Int:
        return static_cast<const QSpinBox*>(control)->value();
    case SettingType::Double:
        return static_cast<const QDoubleSpinBox*>(control)->value();
    case SettingType::Bool:
        return static_cast<const QCheckBox*>(control)->isChecked();
    case SettingType::Choice:
        return static_cast<const QComboBox*>(control)->currentIndex();
    case SettingType::Text:
        return static_cast<const QLineEdit*>(control)->text();
    }
    return {};
}

} // namespace

SettingsDialog::SettingsDialog(const UserSettings& current, QWidget* parent) : QDialog(parent), current_(current)
{
    using namespace SettingsTexts;
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(Translated("SettingsTexts", DialogCaption));

    auto* form = new QFormLayout;
    for (const SettingDeclaration& setting : SettingDeclarations()) {
        if (!setting.label)
            continue;
        QWidget* control = MakeControl(setting, setting.get(current), this);
        rows_.emplace_back(&setting, control);
        if (setting.type == SettingType::Bool)
            form->addRow(control);
        else if (setting.type == SettingType::Double && !setting.choices.empty())
            form->addRow(Translated("SettingDeclarations", setting.label),
                         WithPresets(setting, static_cast<QDoubleSpinBox*>(control), this));
        else
            form->addRow(Translated("SettingDeclarations", setting.label), control);
        if (setting.hint) {
            QString text = Translated("SettingDeclarations", setting.hint);
            if (text.contains(QLatin1String("%1")))
                text = text.arg(QThread::idealThreadCount());
            auto* hint = new QLabel(text, this);
            hint->setObjectName(QString::fromUtf8(setting.name) + QStringLiteral("Hint"));
            form->addRow(QString(), hint);
        }
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Translated("SettingsTexts", Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(Translated("SettingsTexts", Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

UserSettings SettingsDialog::chosen() const
{
    UserSettings settings = current_;
    for (const auto& [setting, control] : rows_)
        setting->set(settings, ValueOf(*setting, control));
    return settings;
}

} // namespace marulo
