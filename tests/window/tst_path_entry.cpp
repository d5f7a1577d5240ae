// The path field of Ctrl+L: typing with folder completion, Enter on a folder,
// on a file and on a missing path, Esc, leaving it; never a tab stop, and the
// window's Enter rule does not reach it.
#include "tests/window/FolderFixture.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace marulo;
using marulo::test::FolderFixture;

class PathEntryTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ctrlLOpensEmptyFocusedField();
    void completesFolderNames();
    void enterOpens_data();
    void enterOpens();
    void missingPathKeepsFieldOpen();
    void escapeClosesWithoutChange();
    void escapeIsTheFieldsFirst();
    void leavingClosesWithoutChange();
    void neverATabStop();

private:
    QLineEdit* openField();
    QString folder() const { return form_->findChild<FolderList*>(QStringLiteral("DLB1"))->directory(); }

    QString here_;
};

void PathEntryTest::init()
{
    makeRoot();
    if (QTest::currentTestFailed())
        return;
    const QDir root(root_);
    for (const char* name : {"here", "music", "musicals", "Mixes", "other"})
        QVERIFY(root.mkdir(QString::fromLatin1(name)));
    for (const char* file : {"music/a.wav", "music/b.wav", "music/notes.txt"})
        touch(QString::fromLatin1(file));
    here_ = root.filePath(QStringLiteral("here"));
    QVERIFY(QDir::setCurrent(here_));
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void PathEntryTest::cleanup()
{
    takeDown();
}

QLineEdit* PathEntryTest::openField()
{
    QTest::keyClick(form_.get(), Qt::Key_L, Qt::ControlModifier);
    auto* field = form_->findChild<QLineEdit*>(QStringLiteral("PathEntry"));
    return field && field->isVisible() ? field : nullptr;
}

void PathEntryTest::ctrlLOpensEmptyFocusedField()
{
    auto* field = form_->findChild<QLineEdit*>(QStringLiteral("PathEntry"));
    QVERIFY(field);
    QVERIFY(!field->isVisible());
    QVERIFY(openField());
    QVERIFY(field->hasFocus());
    QVERIFY(field->text().isEmpty());
    // Over the lists, not over a designed control above them.
    const QRect lists = form_->findChild<QWidget*>(QStringLiteral("DLB1"))
                            ->geometry()
                            .united(form_->findChild<QWidget*>(QStringLiteral("FLB1"))->geometry());
    QVERIFY(field->geometry().intersects(lists));
    QVERIFY(field->geometry().top() >= form_->findChild<QWidget*>(QStringLiteral("DCB1"))->geometry().top());
}

void PathEntryTest::completesFolderNames()
{
    QLineEdit* field = openField();
    QVERIFY(field);
    QTest::keyClicks(field, root_ + QStringLiteral("/mu"));
    QCompleter* completer = field->completer();
    QVERIFY(completer);
    QStringList offered;
    for (int row = 0; completer->setCurrentRow(row); ++row)
        offered.append(completer->currentCompletion());
    // Folders only, whose names begin with the typed part, without regard to case.
    QCOMPARE(offered, (QStringList{root_ + "/music", root_ + "/musicals"}));

    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_I);
    offered.clear();
    for (int row = 0; completer->setCurrentRow(row); ++row)
        offered.append(completer->currentCompletion());
    QCOMPARE(offered, QStringList{root_ + "/Mixes"});
}

void PathEntryTest::enterOpens_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed"); // relative to the root
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("selected");
    QTest::newRow("folder") << "music"
                            << "music"
                            << "";
    QTest::newRow("folder with a closing slash") << "other/"
                                                 << "other"
                                                 << "";
    QTest::newRow("file") << "music/b.wav"
                          << "music"
                          << "music/b.wav";
    QTest::newRow("file the mask hides") << "music/notes.txt"
                                         << "music"
                                         << "";
    // clang-format on
}

void PathEntryTest::enterOpens()
{
    QFETCH(QString, typed);
    QFETCH(QString, opened);
    QFETCH(QString, selected);
    const QString status = form_->statusText();
    QLineEdit* field = openField();
    QVERIFY(field);
    QTest::keyClicks(field, root_ + '/' + typed);
    field->completer()->popup()->hide();
    QTest::keyClick(field, Qt::Key_Return);
    const QDir root(root_);
    QCOMPARE(folder(), root.filePath(opened));
    QCOMPARE(form_->findChild<FileList*>(QStringLiteral("FLB1"))->selectedPath(),
             selected.isEmpty() ? QString() : root.filePath(selected));
    QVERIFY(!field->isVisible());
    // The window's own Enter rule never ran: its status text stands.
    QCOMPARE(form_->statusText(), status);
}

void PathEntryTest::missingPathKeepsFieldOpen()
{
    QLineEdit* field = openField();
    QVERIFY(field);
    const QString missing = root_ + QStringLiteral("/no such folder");
    QTest::keyClicks(field, missing);
    field->completer()->popup()->hide();
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(folder(), here_);
    QVERIFY(field->isVisible());
    QCOMPARE(field->text(), missing);
    auto* note = field->findChild<QLabel*>(QStringLiteral("PathMissing"));
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("見つかりません"));
    QVERIFY(field->styleSheet().contains(QStringLiteral("red")));

    // Mending the path takes the note away; Enter then opens.
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, root_ + QStringLiteral("/other"));
    QVERIFY(!note->isVisible());
    field->completer()->popup()->hide();
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(folder(), QDir(root_).filePath(QStringLiteral("other")));
}

void PathEntryTest::escapeClosesWithoutChange()
{
    auto* files = form_->findChild<QWidget*>(QStringLiteral("FLB1"));
    files->setFocus();
    QLineEdit* field = openField();
    QVERIFY(field);
    QTest::keyClicks(field, root_ + QStringLiteral("/music"));
    field->completer()->popup()->hide();
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!field->isVisible());
    QCOMPARE(folder(), here_);
    QVERIFY(files->hasFocus());
}

// During a conversion Esc is the window's shortcut that stops it; an open
// path field takes its Esc first and the shortcut does not fire.
void PathEntryTest::escapeIsTheFieldsFirst()
{
    QShortcut windowEsc(QKeySequence(Qt::Key_Escape), form_.get());
    windowEsc.setContext(Qt::WindowShortcut);
    QSignalSpy fired(&windowEsc, &QShortcut::activated);
    QLineEdit* field = openField();
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!field->isVisible());
    QCOMPARE(fired.count(), 0);
    // With the field closed, the window's Esc is back.
    QTest::keyClick(form_.get(), Qt::Key_Escape);
    QCOMPARE(fired.count(), 1);
}

void PathEntryTest::leavingClosesWithoutChange()
{
    QLineEdit* field = openField();
    QVERIFY(field);
    QTest::keyClicks(field, root_ + QStringLiteral("/music"));
    field->completer()->popup()->hide();
    auto* folders = form_->findChild<QWidget*>(QStringLiteral("DLB1"));
    folders->setFocus(Qt::MouseFocusReason);
    QVERIFY(!field->isVisible());
    QVERIFY(folders->hasFocus());
    QCOMPARE(folder(), here_);
}

void PathEntryTest::neverATabStop()
{
    auto* last = form_->findChild<QWidget*>(QStringLiteral("B3"));
    QLineEdit* field = openField();
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_Escape);
    // Round the whole chain once: the field never takes the focus.
    last->setFocus();
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != field);
    }
}

QTEST_MAIN(PathEntryTest)
#include "tst_path_entry.moc"
