#include "ui/settings/SettingsDialog.h"

#include "ui/texts/SettingsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include <iterator>

namespace marulo {

namespace {

// The combo box's rows follow the order of ExistingResults.
static_assert(std::size(SettingsTexts::ExistingItems) == 3);
int rowOf(ExistingResults existing)
{
    return static_cast<int>(existing);
}
ExistingResults existingOf(int row)
{
    return static_cast<ExistingResults>(row);
}

} // namespace

SettingsDialog::SettingsDialog(const UserSettings& current, QWidget* parent) : QDialog(parent), current_(current)
{
    using namespace SettingsTexts;
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(QString::fromUtf8(DialogCaption));

    jobs_ = new QSpinBox(this);
    jobs_->setObjectName(QStringLiteral("Jobs"));
    jobs_->setRange(1, MaxJobs());
    jobs_->setValue(current.policy.jobs);
    auto* hint = new QLabel(QString::fromUtf8(JobsHint).arg(QThread::idealThreadCount()), this);
    hint->setObjectName(QStringLiteral("JobsHint"));

    existing_ = new QComboBox(this);
    existing_->setObjectName(QStringLiteral("ExistingResults"));
    for (const char* item : ExistingItems)
        existing_->addItem(QString::fromUtf8(item));
    existing_->setCurrentIndex(rowOf(current.policy.existing));

    remember_ = new QCheckBox(QString::fromUtf8(RememberLabel), this);
    remember_->setObjectName(QStringLiteral("RememberFolder"));
    remember_->setChecked(current.rememberFolder);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(JobsLabel), jobs_);
    form->addRow(QString(), hint);
    form->addRow(QString::fromUtf8(ExistingLabel), existing_);
    form->addRow(remember_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

UserSettings SettingsDialog::chosen() const
{
    UserSettings settings = current_;
    settings.policy.jobs = jobs_->value();
    settings.policy.existing = existingOf(existing_->currentIndex());
    settings.rememberFolder = remember_->isChecked();
    return settings;
}

} // namespace marulo
