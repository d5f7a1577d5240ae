// The lists' right-click menus and Ctrl+Shift+O with a stand-in file manager:
// an "xdg-open" first on PATH that writes down what it was asked to open and
// ends with the status MARULO_XDG_STATUS names. The window runs xdg-open
// itself, so this works on any platform plugin; ctest also runs it under a
// virtual X server with the xcb platform (xvfb-run).
#include "tests/window/FolderFixture.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace marulo;
using marulo::test::FolderFixture;

class ResultsFolderTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void noFileManagerIsReported();
    void failingFileManagerIsReported();
    void menuEntries_data();
    void menuEntries();
    void resultsEntryDisabledWithoutResults();
    void shortcutOpensResults();
    void shortcutWithoutResultsSaysSo();
    void showFileOpensItsFolder();
    void folderAboveAndHome();

private:
    QMenu* openMenu(const char* list, const QString& item = QString());
    QAction* entry(QMenu* menu, const char* name) const;
    QStringList recorded() const;

    QTemporaryDir bin_;
    QString path_;
    QString music_;
};

void ResultsFolderTest::initTestCase()
{
    QVERIFY(bin_.isValid());
    QFile script(bin_.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$MARULO_XDG_RECORD\"\nexit \"${MARULO_XDG_STATUS:-0}\"\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("MARULO_XDG_RECORD", bin_.filePath(QStringLiteral("record")).toLocal8Bit());
    path_ = qEnvironmentVariable("PATH");
}

void ResultsFolderTest::init()
{
    // The stand-in first on PATH; the desktop-specific openers are kept out by
    // naming no desktop.
    qputenv("PATH", (bin_.path() + ':' + path_).toLocal8Bit());
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("DESKTOP_SESSION");
    QFile::remove(bin_.filePath(QStringLiteral("record")));
    makeRoot();
    if (QTest::currentTestFailed())
        return;
    music_ = QDir(root_).filePath(QStringLiteral("music"));
    QVERIFY(QDir(root_).mkpath(QStringLiteral("music/Zorvik")));
    QVERIFY(QDir(root_).mkpath(QStringLiteral("empty")));
    touch(QStringLiteral("music/a.wav"));
    QVERIFY(QDir::setCurrent(music_));
    form_ = std::make_unique<TForm1>();
    form_->show();
    // No window manager on the virtual server: the window asks for the focus itself.
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void ResultsFolderTest::cleanup()
{
    takeDown();
}

QStringList ResultsFolderTest::recorded() const
{
    QFile record(bin_.filePath(QStringLiteral("record")));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    QStringList paths;
    for (const QByteArray& line : record.readAll().split('\n')) {
        if (!line.isEmpty())
            paths.append(QUrl(QString::fromLocal8Bit(line)).toLocalFile());
    }
    return paths;
}

// Right click on the list, on the row of item or below the rows.
QMenu* ResultsFolderTest::openMenu(const char* list, const QString& item)
{
    auto* view = form_->findChild<QListWidget*>(QLatin1String(list));
    if (!view)
        return nullptr;
    const QList<QListWidgetItem*> found = view->findItems(item, Qt::MatchExactly);
    const QPoint at = !item.isEmpty() && !found.isEmpty() ? view->visualItemRect(found.first()).center()
                                                          : QPoint(5, view->viewport()->height() - 3);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &click);
    // A menu closed before is only deleted later: take the one showing.
    for (QMenu* menu : form_->findChildren<QMenu*>(QStringLiteral("ListMenu"))) {
        if (menu->isVisible())
            return menu;
    }
    return nullptr;
}

QAction* ResultsFolderTest::entry(QMenu* menu, const char* name) const
{
    return menu->findChild<QAction*>(QLatin1String(name));
}

void ResultsFolderTest::noFileManagerIsReported()
{
    qputenv("PATH", QDir(root_).filePath(QStringLiteral("empty")).toLocal8Bit());
    QTest::keyClick(form_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(form_->statusText(), " \"" + QDir(music_).filePath(QStringLiteral("Zorvik")) +
                                          "\" をファイルマネージャで開けませんでした。");
}

// xdg-open is there but finds no file manager for folders (its status 3).
void ResultsFolderTest::failingFileManagerIsReported()
{
    qputenv("MARULO_XDG_STATUS", "3");
    const QString before = form_->statusText();
    QTest::keyClick(form_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(recorded(), QStringList{QDir(music_).filePath(QStringLiteral("Zorvik"))});
    QTRY_COMPARE(form_->statusText(), " \"" + QDir(music_).filePath(QStringLiteral("Zorvik")) +
                                          "\" をファイルマネージャで開けませんでした。");
    qunsetenv("MARULO_XDG_STATUS");
    form_->setStatusText(before);
    QTest::keyClick(form_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(recorded().size(), 2);
    // Once its end has been handled the opener goes; no report came.
    QTRY_VERIFY(QCoreApplication::instance()->findChildren<QProcess*>().isEmpty());
    QCOMPARE(form_->statusText(), before);
}

void ResultsFolderTest::menuEntries_data()
{
    // clang-format off
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("folder list") << "DLB1" << QStringList{"OpenResults", "OpenParent", "OpenHome"};
    QTest::newRow("file list") << "FLB1" << QStringList{"OpenResults", "OpenParent", "OpenHome", "ShowFile"};
    // clang-format on
}

void ResultsFolderTest::menuEntries()
{
    QFETCH(QString, list);
    QFETCH(QStringList, entries);
    QMenu* menu = openMenu(list.toLatin1().constData());
    QVERIFY(menu);
    QStringList names;
    for (const QAction* action : menu->actions())
        names.append(action->objectName());
    QCOMPARE(names, entries);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("変換先フォルダ ( Zorvik ) を開く(&R)"));
    QAction* results = entry(menu, "OpenResults");
    QVERIFY(results->isEnabled());
    results->trigger();
    menu->close();
    QTRY_COMPARE(recorded(), QStringList{QDir(music_).filePath(QStringLiteral("Zorvik"))});
}

void ResultsFolderTest::resultsEntryDisabledWithoutResults()
{
    form_->findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(QDir(root_).filePath(QStringLiteral("empty")));
    QMenu* menu = openMenu("FLB1");
    QVERIFY(menu);
    QVERIFY(!entry(menu, "OpenResults")->isEnabled());
    // Below the rows of an empty list there is no file to show.
    QVERIFY(!entry(menu, "ShowFile")->isEnabled());
    QVERIFY(entry(menu, "OpenParent")->isEnabled());
    menu->close();
}

void ResultsFolderTest::shortcutOpensResults()
{
    QTest::keyClick(form_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(recorded(), QStringList{QDir(music_).filePath(QStringLiteral("Zorvik"))});
}

void ResultsFolderTest::shortcutWithoutResultsSaysSo()
{
    form_->findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(QDir(root_).filePath(QStringLiteral("empty")));
    QTest::keyClick(form_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(form_->statusText(), QStringLiteral(" 変換先フォルダ \"Zorvik\" はまだありません。"));
    QVERIFY(recorded().isEmpty());
}

void ResultsFolderTest::showFileOpensItsFolder()
{
    QMenu* menu = openMenu("FLB1", QStringLiteral("a.wav"));
    QVERIFY(menu);
    QAction* show = entry(menu, "ShowFile");
    QVERIFY(show->isEnabled());
    show->trigger();
    menu->close();
    QTRY_COMPARE(recorded(), QStringList{music_});
}

void ResultsFolderTest::folderAboveAndHome()
{
    QMenu* menu = openMenu("DLB1");
    QVERIFY(menu);
    entry(menu, "OpenParent")->trigger();
    menu->close();
    QCOMPARE(form_->findChild<FolderList*>(QStringLiteral("DLB1"))->directory(), root_);
    QCOMPARE(form_->findChild<FileList*>(QStringLiteral("FLB1"))->directory(), root_);

    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QDir(root_).filePath(QStringLiteral("empty")).toLocal8Bit());
    menu = openMenu("FLB1");
    QVERIFY(menu);
    entry(menu, "OpenHome")->trigger();
    menu->close();
    qputenv("HOME", home);
    QCOMPARE(form_->findChild<FolderList*>(QStringLiteral("DLB1"))->directory(),
             QDir(root_).filePath(QStringLiteral("empty")));
    QVERIFY(recorded().isEmpty());
}

QTEST_MAIN(ResultsFolderTest)
#include "tst_results_folder.moc"
