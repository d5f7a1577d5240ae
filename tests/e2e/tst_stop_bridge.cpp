// Esc during a long MP3 encode through the converter bridge and the real lame:
// the bridge and lame both go (one process group), and neither the result nor
// the bridge's hidden temporary file is left. This test sits beside the bridge
// copies, where the launcher looks first.
#include "tests/support/AudioCheck.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace marulo;
using namespace marulo::test;

namespace {

struct ProcStat {
    qint64 pid = 0;
    qint64 ppid = 0;
    qint64 group = 0;
    bool zombie = false;
};

QList<ProcStat> Processes()
{
    QList<ProcStat> all;
    QDirIterator it("/proc", QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        bool number = false;
        const qint64 pid = it.fileName().toLongLong(&number);
        QFile stat(it.filePath() + "/stat");
        if (!number || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        all << ProcStat{pid, fields.value(1).toLongLong(), fields.value(2).toLongLong(), fields.value(0) == "Z"};
    }
    return all;
}

// The converter this test started: a child of the test in a group of its own.
qint64 ConverterGroup()
{
    for (const ProcStat& p : Processes())
        if (p.ppid == QCoreApplication::applicationPid() && p.group == p.pid && !p.zombie)
            return p.group;
    return 0;
}

int LiveMembers(qint64 group)
{
    int live = 0;
    for (const ProcStat& p : Processes())
        live += p.group == group && !p.zombie;
    return live;
}

} // namespace

class StopBridgeTest : public QObject {
    Q_OBJECT

private slots:
    void escDuringALongLameRun();
};

void StopBridgeTest::escDuringALongLameRun()
{
    QTemporaryDir temp;
    const QString folder = temp.filePath("music");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(makeWav(QDir(folder).filePath("long.wav"), 2, 180.0, 16, Signal::Noise));

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<FolderList*>("DLB1")->setDirectory(folder);
    form.findChild<QCheckBox*>("CB4")->setChecked(false);
    auto* list = form.findChild<FileList*>("FLB1");
    list->selectItem(0);

    const QDir work(QDir(folder).filePath("Zorvik"));
    qint64 group = 0;
    int membersAtEsc = 0;
    bool tempWasThere = false;
    QElapsedTimer sinceEsc;
    QTimer watch;
    watch.setInterval(20);
    connect(&watch, &QTimer::timeout, [&] {
        // lame has begun writing into the bridge's temporary file.
        const QStringList parts = work.entryList({".marulo-part-*"}, QDir::Files | QDir::Hidden);
        if (parts.isEmpty() || QFileInfo(work.filePath(parts.first())).size() == 0)
            return;
        watch.stop();
        tempWasThere = true;
        group = ConverterGroup();
        membersAtEsc = LiveMembers(group);
        sinceEsc.start();
        QTest::keyClick(list, Qt::Key_Escape);
    });
    watch.start();
    QTest::mouseClick(form.findChild<QPushButton*>("B1"), Qt::LeftButton);

    QVERIFY(tempWasThere);
    QVERIFY(group > 0);
    QCOMPARE(membersAtEsc, 2); // the bridge and lame
    QTRY_VERIFY_WITH_TIMEOUT(LiveMembers(group) == 0, int(std::max<qint64>(0, 1000 - sinceEsc.elapsed())));
    QCOMPARE(work.entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{});
    QVERIFY(form.statusText().contains(QString::fromUtf8("中止")));
    QCOMPARE(form.runLog().entries().back().outcome, QString("stopped by the user"));
}

QTEST_MAIN(StopBridgeTest)
#include "tst_stop_bridge.moc"
