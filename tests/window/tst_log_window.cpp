// The log window over the main window's run log: how it is opened, that it
// follows the log live, that failures stand out, the copy button, and that it
// closes with the main window.
#include "launcher/RunLog.h"
#include "ui/log/LogWindow.h"
#include "ui/window/TForm1.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using namespace marulo;

namespace {

LogEntry step(const QString& file, int index, int count)
{
    LogEntry entry;
    entry.started = QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56));
    entry.file = file;
    entry.index = index;
    entry.count = count;
    entry.converter = QStringLiteral("lame.exe");
    entry.commandText = QStringLiteral("lame.exe -b 128 \"/music/%1\" \"/music/out.mp3\"").arg(file);
    entry.program = QStringLiteral("/opt/marulo/lame.exe");
    return entry;
}

} // namespace

class LogWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnStatusBarDoubleClick();
    void opensOnShortcut();
    void closesWithMainWindow();
    void showsStepsLive();
    void failureStandsOut();
    void keepsEveryStep();
    void copiesTheLogAsText();
    void escClosesWithoutARun();
    void opensBesideTheMainWindow_data();
    void opensBesideTheMainWindow();

private:
    LogWindow* openedWindow() const { return form_->findChild<LogWindow*>(QStringLiteral("LogWindow")); }
    QString cell(int row, int column) const;

    std::unique_ptr<TForm1> form_;
};

void LogWindowTest::init()
{
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void LogWindowTest::cleanup()
{
    form_.reset();
}

QString LogWindowTest::cell(int row, int column) const
{
    const QAbstractItemModel* model = openedWindow()->view()->model();
    return model->data(model->index(row, column)).toString();
}

void LogWindowTest::opensOnStatusBarDoubleClick()
{
    QStatusBar* status = form_->findChild<QStatusBar*>(QStringLiteral("SB1"));
    QVERIFY(status);
    const QString before = form_->statusText();
    QVERIFY(!openedWindow());
    QTest::mouseDClick(status, Qt::LeftButton, {}, QPoint(40, 8));
    LogWindow* log = openedWindow();
    QVERIFY(log);
    QVERIFY(log->isVisible());
    QVERIFY(log->isWindow());
    QCOMPARE(log->parentWidget(), form_.get());
    QVERIFY(!log->isModal());
    QCOMPARE(form_->statusText(), before);
}

void LogWindowTest::opensOnShortcut()
{
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTest::keyClick(form_.get(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(openedWindow());
    QVERIFY(openedWindow()->isVisible());
}

void LogWindowTest::closesWithMainWindow()
{
    form_->showRunLog();
    LogWindow* log = openedWindow();
    QVERIFY(log && log->isVisible());
    QVERIFY(!log->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(form_->close());
    QVERIFY(!log->isVisible());
}

void LogWindowTest::showsStepsLive()
{
    form_->showRunLog();
    RunLog& log = form_->runLog();
    const qint64 id = log.begin(step(QStringLiteral("b.wav"), 2, 3));
    QCOMPARE(openedWindow()->view()->model()->rowCount(), 1);
    QCOMPARE(cell(0, 0), QStringLiteral("12:34:56"));
    QCOMPARE(cell(0, 1), QStringLiteral("2/3"));
    QCOMPARE(cell(0, 2), QStringLiteral("b.wav"));
    QCOMPARE(cell(0, 3), QStringLiteral("lame.exe"));
    QCOMPARE(cell(0, 4), QStringLiteral("変換中"));
    log.progress(id, 37.5);
    QCOMPARE(cell(0, 4), QStringLiteral("変換中 37.5%"));
    log.finish(id, QStringLiteral("succeeded"), false, {});
    QCOMPARE(cell(0, 4), QStringLiteral("succeeded"));
    log.begin(step(QStringLiteral("c.wav"), 3, 3));
    QCOMPARE(openedWindow()->view()->model()->rowCount(), 2);
    QCOMPARE(cell(1, 1), QStringLiteral("3/3"));
}

void LogWindowTest::failureStandsOut()
{
    form_->showRunLog();
    RunLog& log = form_->runLog();
    log.finish(log.begin(step(QStringLiteral("a.wav"), 1, 2)), QStringLiteral("succeeded"), false, {});
    log.finish(log.begin(step(QStringLiteral("b.wav"), 2, 2)), QStringLiteral("exit status 2"), true,
               {QStringLiteral("Could not open the input")});
    const QAbstractItemModel* model = openedWindow()->view()->model();
    QCOMPARE(model->data(model->index(1, 4), Qt::ForegroundRole).value<QColor>(), QColor(192, 0, 0));
    QVERIFY(!model->data(model->index(1, 4), Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(!model->data(model->index(0, 4), Qt::ForegroundRole).isValid());
    QVERIFY(model->data(model->index(0, 4), Qt::DecorationRole).isNull());
}

void LogWindowTest::keepsEveryStep()
{
    form_->showRunLog();
    RunLog& log = form_->runLog();
    for (int i = 1; i <= 1005; ++i)
        log.finish(log.begin(step(QStringLiteral("f%1.wav").arg(i), i, 1005)), QStringLiteral("succeeded"), false, {});
    QCOMPARE(openedWindow()->view()->model()->rowCount(), 1005);
    QCOMPARE(cell(0, 2), QStringLiteral("f1.wav"));
    QCOMPARE(cell(0, 4), QStringLiteral("succeeded"));
    QCOMPARE(cell(1004, 2), QStringLiteral("f1005.wav"));
    QCOMPARE(int(log.entries().size()), 1005);
}

void LogWindowTest::copiesTheLogAsText()
{
    form_->showRunLog();
    RunLog& log = form_->runLog();
    log.finish(log.begin(step(QStringLiteral("a.wav"), 1, 2)), QStringLiteral("succeeded"), false, {});
    log.finish(log.begin(step(QStringLiteral("b.wav"), 2, 2)), QStringLiteral("exit status 2"), true,
               {QStringLiteral("Could not open the input")});
    QPushButton* copy = openedWindow()->findChild<QPushButton*>(QStringLiteral("CopyLog"));
    QVERIFY(copy);
    QApplication::clipboard()->clear();
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("2024-05-01T12:34:56 1/2 a.wav lame.exe: succeeded\n"
                            "    lame.exe -b 128 \"/music/a.wav\" \"/music/out.mp3\"\n"
                            "    /opt/marulo/lame.exe\n"
                            "2024-05-01T12:34:56 2/2 b.wav lame.exe: exit status 2\n"
                            "    lame.exe -b 128 \"/music/b.wav\" \"/music/out.mp3\"\n"
                            "    /opt/marulo/lame.exe\n"
                            "    | Could not open the input\n"));
}

void LogWindowTest::escClosesWithoutARun()
{
    form_->showRunLog();
    LogWindow* log = openedWindow();
    QTRY_COMPARE(QApplication::activeWindow(), log);
    QTest::keyClick(log->view(), Qt::Key_Escape);
    QVERIFY(!log->isVisible());
    QVERIFY(form_->isVisible());
}

void LogWindowTest::opensBesideTheMainWindow_data()
{
    QTest::addColumn<bool>("atTheLeft"); // the main window at the screen's left edge, else at its right
    QTest::newRow("main window at the left") << true;
    QTest::newRow("main window at the right") << false;
}

// Level with the main window, on the side with room, whole on the screen.
void LogWindowTest::opensBesideTheMainWindow()
{
    QFETCH(bool, atTheLeft);
    const QRect screen = form_->screen()->availableGeometry();
    const QRect frame = form_->frameGeometry();
    form_->move(atTheLeft ? screen.left() : screen.right() + 1 - frame.width(), screen.top() + 30);
    form_->showRunLog();
    const QRect main = form_->frameGeometry();
    const QRect log = openedWindow()->frameGeometry();
    QCOMPARE(log.top(), main.top());
    QVERIFY(screen.contains(log));
    if (atTheLeft)
        QVERIFY(log.center().x() > main.center().x());
    else
        QVERIFY(log.center().x() < main.center().x());
    // Where the screen has room beside the main window, the two do not overlap.
    if (screen.width() >= main.width() + log.width() + 8)
        QVERIFY(!log.intersects(main));
}

QTEST_MAIN(LogWindowTest)
#include "tst_log_window.moc"
