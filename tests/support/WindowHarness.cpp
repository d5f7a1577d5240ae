#include "tests/support/WindowHarness.h"

#include "core/ConverterTable.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

namespace marulo::test {

namespace {

const QStringList ModeNames{"MP3", "MP2", "OGG", "AAC", "FLAC", "TTA", "WAV"};

} // namespace

const QStringList& EnabledTracked()
{
    static const QStringList names =
        QString("RG1 RB1 RB2 RB3 RB4 CB0 CB1 CB2 CB3 CB4 CB5 CB6 CB8 CB9 LT1 LT2 LT3 LT4 LT5 "
                "ComB1 ComB2 ComB3 ComB4 ComB6 E1 E2 E3 E4 UD1 UD2 UD3 UD4 DCB1 DLB1 FLB1 B1 B2 B3")
            .split(' ');
    return names;
}

const QStringList& CheckedTracked()
{
    static const QStringList names = QString("RB1 RB2 RB3 RB4 CB0 CB1 CB2 CB3 CB4 CB5 CB6 CB8 CB9").split(' ');
    return names;
}

const QStringList& ShownTracked()
{
    static const QStringList names = QString("E3 E4 UD3 UD4 ComB4 ComB6 UD1 UD2 E1 E2 ComB1 LT4").split(' ');
    return names;
}

QString Canonical(const QString& names, const QStringList& order)
{
    const QStringList given = names.split(' ', Qt::SkipEmptyParts);
    QStringList result;
    for (const QString& name : order)
        if (given.contains(name))
            result << name;
    for (const QString& name : given)
        if (!order.contains(name))
            result << QStringLiteral("unknown:") + name;
    return result.join(' ');
}

QString EnabledWithFixed(const QString& names)
{
    return Canonical(names + QStringLiteral(" DCB1 DLB1 FLB1 B1 B2 B3"), EnabledTracked());
}

Harness::Harness(Tools tools)
{
    for (std::string_view file : marulo::ConverterExecutables) {
        const QString path = tools_.filePath(QString::fromUtf8(file.data(), qsizetype(file.size())));
        if (tools == Tools::All) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
        } else if (tools == Tools::Folders) {
            QDir().mkdir(path);
        }
    }
    form_ = std::make_unique<marulo::TForm1>();
    form_->show();
    active_ = QTest::qWaitForWindowActive(form_.get());
    // After the activation, which captures the folder of the folder list.
    form_->ToolFolder = tools_.path();
}

Harness::~Harness() = default;

QWidget* Harness::widget(const QString& name) const
{
    return form_->findChild<QWidget*>(name);
}

void Harness::click(QAbstractButton* button)
{
    // On the indicator, which every check box and radio button has at its left.
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

QString Harness::run(const QString& steps)
{
    for (const QString& raw : steps.split(';', Qt::SkipEmptyParts)) {
        const QString step = raw.trimmed();
        QAbstractButton* button = nullptr;
        if (const qsizetype mode = ModeNames.indexOf(step); mode >= 0) {
            auto* group = get<QGroupBox>(QStringLiteral("RG1"));
            for (QRadioButton* item : group ? group->findChildren<QRadioButton*>() : QList<QRadioButton*>())
                if (item->text() == step)
                    button = item;
        } else {
            button = get<QAbstractButton>(step);
        }
        if (!button)
            return step;
        click(button);
    }
    return {};
}

QString Harness::enabledSet() const
{
    QStringList result;
    for (const QString& name : EnabledTracked())
        if (QWidget* w = widget(name); w && w->isEnabled())
            result << name;
    return result.join(' ');
}

QString Harness::checkedSet() const
{
    QStringList result;
    for (const QString& name : CheckedTracked())
        if (auto* b = get<QAbstractButton>(name); b && b->isChecked())
            result << name;
    return result.join(' ');
}

QString Harness::shownSet() const
{
    QStringList result;
    for (const QString& name : ShownTracked())
        if (QWidget* w = widget(name); w && w->isVisibleTo(form_.get()))
            result << name;
    return result.join(' ');
}

} // namespace marulo::test

namespace marulo::test {

void CompareStates(const Harness& window, const QString& enabled, const QString& checked, const QString& shown)
{
    [&] {
        QCOMPARE(window.enabledSet(), EnabledWithFixed(enabled));
        QCOMPARE(window.checkedSet(), Canonical(checked, CheckedTracked()));
        QCOMPARE(window.shownSet(), Canonical(shown, ShownTracked()));
    }();
}

} // namespace marulo::test
