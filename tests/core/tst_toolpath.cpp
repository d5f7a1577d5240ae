#include "core/ToolPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace marulo;

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

class ToolPathTest : public QObject {
    Q_OBJECT

private slots:
    void toolFolderRoot_data();
    void toolFolderRoot();
    void toolPath_data();
    void toolPath();
    void presence_data();
    void presence();
    void presenceAtTheRoot();
};

void ToolPathTest::toolFolderRoot_data()
{
    // clang-format off
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("root");

    QTest::newRow("folder") << "C:\\Tools\\Enc" << "C:\\";
    QTest::newRow("drive root") << "D:\\" << "D:\\";
    QTest::newRow("POSIX folder") << "/opt/enc" << "/";
    QTest::newRow("POSIX root") << "/" << "/";
    // clang-format on
}

void ToolPathTest::toolFolderRoot()
{
    QFETCH(QString, folder);
    QFETCH(QString, root);
    QCOMPARE(Q(ToolFolderRoot(folder.toStdString())), root);
}

void ToolPathTest::toolPath_data()
{
    // clang-format off
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");

    QTest::newRow("folder") << "C:\\Tools\\Enc" << "lame.exe" << "C:\\Tools\\Enc\\lame.exe";
    QTest::newRow("folder, normalize") << "C:\\Tools\\Enc" << "normalize.exe" << "C:\\Tools\\Enc\\normalize.exe";
    QTest::newRow("drive root") << "C:\\" << "lame.exe" << "C:\\lame.exe";
    QTest::newRow("other drive root") << "D:\\" << "normalize.exe" << "D:\\normalize.exe";
    QTest::newRow("drive without backslash") << "D:" << "flac.exe" << "D:\\flac.exe";
    QTest::newRow("Japanese folder") << "C:\\変換" << "oggenc.exe" << "C:\\変換\\oggenc.exe";
    QTest::newRow("POSIX folder") << "/opt/enc" << "lame.exe" << "/opt/enc/lame.exe";
    QTest::newRow("POSIX root") << "/" << "lame.exe" << "/lame.exe";
    QTest::newRow("POSIX Japanese with blank") << "/home/u/変換 ツール" << "ttaenc.exe" << "/home/u/変換 ツール/ttaenc.exe";
    // clang-format on
}

void ToolPathTest::toolPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(Q(ToolPath(folder.toStdString(), name.toStdString())), path);
}

void ToolPathTest::presence_data()
{
    // clang-format off
    QTest::addColumn<QString>("entry"); // what the tool folder holds
    QTest::addColumn<QString>("kind");  // file, folder, link, none
    QTest::addColumn<QString>("lookFor");
    QTest::addColumn<bool>("present");

    QTest::newRow("file") << "lame.exe" << "file" << "lame.exe" << true;
    QTest::newRow("empty file") << "normalize.exe" << "empty" << "normalize.exe" << true;
    QTest::newRow("hidden file") << ".lame.exe" << "file" << ".lame.exe" << true;
    QTest::newRow("folder of that name") << "lame.exe" << "folder" << "lame.exe" << true;
    QTest::newRow("dangling link") << "lame.exe" << "link" << "lame.exe" << true;
    QTest::newRow("absent") << "toolame.exe" << "file" << "lame.exe" << false;
    QTest::newRow("other case is another name") << "LAME.EXE" << "file" << "lame.exe" << false;
    QTest::newRow("hidden name is another name") << ".lame.exe" << "file" << "lame.exe" << false;
    QTest::newRow("Japanese name") << "変換.exe" << "file" << "変換.exe" << true;
    QTest::newRow("inside a file") << "lame.exe" << "file" << "lame.exe/lame.exe" << false;
    QTest::newRow("empty folder") << "" << "none" << "lame.exe" << false;
    // clang-format on
}

void ToolPathTest::presence()
{
    QFETCH(QString, entry);
    QFETCH(QString, kind);
    QFETCH(QString, lookFor);
    QFETCH(bool, present);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString entryPath = dir.filePath(entry);
    if (kind == "file" || kind == "empty") {
        QFile file(entryPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == "file")
            file.write("#!/bin/sh\n");
    } else if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir(entry));
    } else if (kind == "link") {
        QVERIFY(QFile::link(dir.filePath("missing-target"), entryPath));
    }

    const std::string path = ToolPath(dir.path().toStdString(), lookFor.toStdString());
    QCOMPARE(ToolIsPresent(path), present);
}

void ToolPathTest::presenceAtTheRoot()
{
    // The root takes the name directly: "/" and "tmp" look for "/tmp".
    QCOMPARE(Q(ToolPath("/", "tmp")), QStringLiteral("/tmp"));
    QVERIFY(ToolIsPresent(ToolPath("/", "tmp")));
    QVERIFY(!ToolIsPresent(ToolPath("/", "no-such-converter-here.exe")));
    QVERIFY(ToolIsPresent("/"));
    QVERIFY(!ToolIsPresent(""));
    QVERIFY(!ToolIsPresent(std::string("/tmp/\0x", 7))); // a name the system cannot take counts as absent
}

QTEST_APPLESS_MAIN(ToolPathTest)
#include "tst_toolpath.moc"
