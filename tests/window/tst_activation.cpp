// The start-up check at the window's first activation: where the converters
// are looked for and what the status bar then says.
#include "tests/window/FolderFixture.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/window/TForm1.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using marulo::FolderList;
using marulo::RadioGroup;
using marulo::TForm1;
using marulo::test::FolderFixture;

namespace {

const QString LameEncoding = QString::fromUtf8(" lame.exe を用いたエンコードです。上限は\"320\"までです。");
const QString NormalizeMissing =
    QString::fromUtf8(" Normalize.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
const QString LameMissing = QString::fromUtf8(" lame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");

} // namespace

class WindowActivationTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void outcomes_data();
    void outcomes();
    void rootFolder();
    void firstActivationRunsCheckOnce();
    void bringForwardRestoresMinimisedWindow();
    void closesWhenNoConversionRuns();
    void convertersInTheOpenedFolderNeverRun();
};

void WindowActivationTest::init()
{
    makeRoot();
}

void WindowActivationTest::cleanup()
{
    takeDown();
}

void WindowActivationTest::outcomes_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("files");   // plain files made in the folder
    QTest::addColumn<QStringList>("folders"); // folders made in the folder
    QTest::addColumn<QString>("status");
    QTest::newRow("both present") << QStringList{"normalize.exe", "lame.exe"} << QStringList{} << LameEncoding;
    QTest::newRow("neither") << QStringList{} << QStringList{} << NormalizeMissing;
    QTest::newRow("only normalize.exe") << QStringList{"normalize.exe"} << QStringList{} << LameMissing;
    QTest::newRow("only lame.exe") << QStringList{"lame.exe"} << QStringList{} << NormalizeMissing;
    QTest::newRow("folder named lame.exe") << QStringList{"normalize.exe"} << QStringList{"lame.exe"} << LameEncoding;
    QTest::newRow("folder named normalize.exe") << QStringList{"lame.exe"} << QStringList{"normalize.exe"}
                                                << LameEncoding;
    QTest::newRow("hidden look-alikes do not count") << QStringList{".normalize.exe", "lame.exe.bak"}
                                                     << QStringList{} << NormalizeMissing;
    // clang-format on
}

void WindowActivationTest::outcomes()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QString, status);
    const QString tools = QDir(root_).filePath(QStringLiteral("Tools Enc"));
    QVERIFY(QDir().mkpath(tools));
    for (const QString& name : files) {
        QFile file(QDir(tools).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    for (const QString& name : folders)
        QVERIFY(QDir(tools).mkdir(name));

    TForm1 form;
    form.findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(tools);
    form.setStatusText(QStringLiteral(" before"));
    form.FormActivate();
    QCOMPARE(form.toolFolder(), tools);
    QCOMPARE(form.toolFolderRoot(), QStringLiteral("/"));
    QCOMPARE(form.statusText(), status);
}

void WindowActivationTest::rootFolder()
{
    if (QFileInfo::exists(QStringLiteral("/normalize.exe")))
        QSKIP("this machine has a normalize.exe at the root");
    TForm1 form;
    form.findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(QDir::rootPath());
    form.FormActivate();
    QCOMPARE(form.toolFolder(), QStringLiteral("/"));
    QCOMPARE(form.toolFolderRoot(), QStringLiteral("/"));
    QCOMPARE(form.statusText(), NormalizeMissing);
}

void WindowActivationTest::firstActivationRunsCheckOnce()
{
    // Started in a folder without converters: the check must change the text.
    QVERIFY(QDir::setCurrent(root_));
    TForm1 form;
    QVERIFY(form.toolFolder().isEmpty());
    QCOMPARE(form.statusText(), LameEncoding);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.toolFolder(), root_);
    QCOMPARE(form.statusText(), NormalizeMissing);

    // Browsing elsewhere, then coming back from another window, changes nothing.
    const QString other = QDir(root_).filePath(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(other));
    QFile(QDir(other).filePath(QStringLiteral("normalize.exe"))).open(QIODevice::WriteOnly);
    form.findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(other);
    form.setStatusText(QStringLiteral(" unchanged"));
    QWidget elsewhere;
    elsewhere.show();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.toolFolder(), root_);
    QCOMPARE(form.statusText(), QStringLiteral(" unchanged"));
}

void WindowActivationTest::bringForwardRestoresMinimisedWindow()
{
    TForm1 form;
    form.showMinimized();
    QTRY_VERIFY(form.isMinimized());
    form.bringForward();
    QVERIFY(!form.isMinimized());
    QVERIFY(form.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&form));

    TForm1 hidden;
    hidden.bringForward();
    QVERIFY(hidden.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&hidden));
}

void WindowActivationTest::closesWhenNoConversionRuns()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.conversionRunning());
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
}

// A copy of the program alone, started in a folder without converters: a
// downloaded folder holding converter-named programs is opened and encoded.
// Nothing in it runs, and the checks at a mode change do not count it.
void WindowActivationTest::convertersInTheOpenedFolderNeverRun()
{
    QVERIFY(QDir::setCurrent(root_));
    const QString downloaded = QDir(root_).filePath(QStringLiteral("downloaded"));
    const QString marker = QDir(root_).filePath(QStringLiteral("ran"));
    QVERIFY(QDir().mkpath(downloaded));
    for (const char* name : {"normalize.exe", "lame.exe", "oggenc.exe"}) {
        QFile script(QDir(downloaded).filePath(QString::fromLatin1(name)));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$0\" >> '" + marker.toUtf8() + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    QFile song(QDir(downloaded).filePath(QStringLiteral("song.wav")));
    QVERIFY(song.open(QIODevice::WriteOnly));
    song.write("RIFF....WAVE");
    song.close();

    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(downloaded);
    QCOMPARE(QDir::currentPath(), downloaded);
    auto* modes = form.findChild<RadioGroup*>(QStringLiteral("RG1"));
    modes->setItemIndex(2);
    QCOMPARE(form.statusText(),
             QString::fromUtf8(" aoTuV ( oggenc.exe ) が 起動フォルダ内に見つかりません。確認をして下さい。"));
    modes->setItemIndex(0);
    QCOMPARE(form.statusText(), LameMissing);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("B2")), Qt::LeftButton);
    QVERIFY(!form.conversionRunning());
    QVERIFY(!QFileInfo::exists(marker));
}

QTEST_MAIN(WindowActivationTest)
#include "tst_activation.moc"
