// `cmake --install` into a DESTDIR: the files and where they go, the desktop
// validators, and the installed tree's converters found by the window from a
// folder that holds none.
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList ConverterNames{"lame.exe", "toolame.exe", "oggenc.exe",   "aacenc.exe",
                                 "flac.exe", "ttaenc.exe",  "normalize.exe"};

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
        const QString& folder = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

class InstallLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void nothingElseBesideTheConverters();
    void manifestListsEveryInstalledFile();
    void releaseBinariesAreHardened_data();
    void releaseBinariesAreHardened();
    void desktopEntryValidates();
    void desktopEntryClaimsOnlyAudio();
    void metainfoValidates();
    void installedProgramRuns();
    void convertersFound_data();
    void convertersFound();

private:
    QString installed(const QString& relative) const { return QDir(destdir_.path()).filePath("usr/" + relative); }

    QTemporaryDir destdir_;
    QTemporaryDir empty_;
};

void InstallLayoutTest::initTestCase()
{
    QVERIFY(destdir_.isValid());
    QVERIFY(empty_.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), destdir_.path());
    const Run install = run(QStringLiteral(MARULO_CMAKE),
                            {"--install", QStringLiteral(MARULO_BUILD_DIR), "--prefix", "/usr"}, environment);
    QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
}

void InstallLayoutTest::layout_data()
{
    // clang-format off
    QTest::addColumn<QString>("path"); // under the prefix /usr
    QTest::addColumn<bool>("executable");
    QTest::newRow("program") << "bin/marulo" << true;
    for (const QString& name : ConverterNames)
        QTest::newRow(qPrintable(name)) << "libexec/marulo/" + name << true;
    QTest::newRow("desktop entry") << "share/applications/io.github.marulo.Marulo.desktop" << false;
    QTest::newRow("metainfo") << "share/metainfo/io.github.marulo.Marulo.metainfo.xml" << false;
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/io.github.marulo.Marulo.svg" << false;
    QTest::newRow("48 px icon") << "share/icons/hicolor/48x48/apps/io.github.marulo.Marulo.png" << false;
    QTest::newRow("256 px icon") << "share/icons/hicolor/256x256/apps/io.github.marulo.Marulo.png" << false;
    QTest::newRow("manual page") << "share/man/man1/marulo.1.gz" << false;
    QTest::newRow("copyright") << "share/doc/marulo/copyright" << false;
    QTest::newRow("changelog") << "share/doc/marulo/changelog.Debian.gz" << false;
    // clang-format on
}

void InstallLayoutTest::layout()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QCOMPARE(file.isExecutable(), executable);
    QVERIFY(file.size() > 0);
}

void InstallLayoutTest::nothingElseBesideTheConverters()
{
    // The converters never land on the search path, and the bridge's own
    // name is not left behind beside them.
    QCOMPARE(QDir(installed("bin")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"marulo"});
    QStringList expected = ConverterNames;
    expected.sort();
    QCOMPARE(QDir(installed("libexec/marulo")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             expected);
    const QString png = installed("share/icons/hicolor/48x48/apps/io.github.marulo.Marulo.png");
    QFile icon(png);
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QCOMPARE(icon.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
}

// An uninstall from the manifest removes everything the install put there,
// the seven converter names too.
void InstallLayoutTest::manifestListsEveryInstalledFile()
{
    QFile manifest(QDir(QStringLiteral(MARULO_BUILD_DIR)).filePath(QStringLiteral("install_manifest.txt")));
    QVERIFY(manifest.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList listed = QString::fromUtf8(manifest.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    listed.sort();
    QStringList installedFiles;
    const QString root = QDir(destdir_.path()).canonicalPath();
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        installedFiles << it.next().mid(root.size());
    installedFiles.sort();
    QCOMPARE(listed, installedFiles);
    for (const QString& name : ConverterNames)
        QVERIFY2(listed.contains("/usr/libexec/marulo/" + name), qPrintable(name));
}

void InstallLayoutTest::releaseBinariesAreHardened_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("program") << "bin/marulo";
    for (const QString& name : ConverterNames)
        QTest::newRow(qPrintable(name)) << "libexec/marulo/" + name;
}

// What lintian's hardening checks look for: a relocation table made read-only
// and bound at start-up, fortified libc calls and the stack protector.
void InstallLayoutTest::releaseBinariesAreHardened()
{
    QFETCH(QString, path);
    if (!MARULO_HARDENED)
        QSKIP("a debug build, or MARULO_HARDENING is off: the binaries carry no hardening flags");
    const QString readelf = QStandardPaths::findExecutable(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        QSKIP("readelf is not installed (Debian package binutils)");
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const Run dynamic = run(readelf, {"-dW", installed(path)}, environment);
    const Run segments = run(readelf, {"-lW", installed(path)}, environment);
    const Run symbols = run(readelf, {"--dyn-syms", "-W", installed(path)}, environment);
    QCOMPARE(dynamic.exitCode, 0);
    QVERIFY2(dynamic.out.contains(QRegularExpression("BIND_NOW|Flags:.* NOW")), qPrintable(dynamic.out));
    QVERIFY(segments.out.contains(QLatin1String("GNU_RELRO")));
    QVERIFY2(symbols.out.contains(QRegularExpression("__\\w+_chk@")), qPrintable(symbols.out));
    QVERIFY(symbols.out.contains(QLatin1String("__stack_chk_fail")));
}

void InstallLayoutTest::desktopEntryValidates()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils; ./test installs it)");
    const Run check = run(validator, {installed("share/applications/io.github.marulo.Marulo.desktop")},
                          QProcessEnvironment::systemEnvironment());
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    QVERIFY2(check.out.isEmpty() && check.err.isEmpty(), qPrintable(check.out + check.err));
}

// Folders are not claimed: on a desktop without another handler for them,
// opening any folder (the results folder too) would start this program.
void InstallLayoutTest::desktopEntryClaimsOnlyAudio()
{
    QFile entry(installed("share/applications/io.github.marulo.Marulo.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList types;
    for (const QByteArray& line : entry.readAll().split('\n')) {
        if (line.startsWith("MimeType="))
            types = QString::fromUtf8(line.mid(9)).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    QCOMPARE(types, (QStringList{"audio/x-wav", "audio/wav", "audio/vnd.wave", "audio/mpeg", "audio/mp2", "audio/x-mp2",
                                 "audio/flac", "audio/x-flac", "audio/x-tta"}));
}

void InstallLayoutTest::metainfoValidates()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed (Debian package appstream; ./test installs it)");
    const Run check =
        run(validator, {"validate", "--no-net", installed("share/metainfo/io.github.marulo.Marulo.metainfo.xml")},
            QProcessEnvironment::systemEnvironment());
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    QVERIFY2(!check.out.contains(QLatin1String("E: ")), qPrintable(check.out));
}

void InstallLayoutTest::installedProgramRuns()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const Run version = run(installed("bin/marulo"), {"--version"}, environment, empty_.path());
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("marulo 1.3a\n"));
}

void InstallLayoutTest::convertersFound_data()
{
    // clang-format off
    // Where the window-and-lookup probe runs from, and where it should find
    // the converters.
    QTest::addColumn<QString>("probeFolder");
    QTest::addColumn<QString>("converterFolder");
    QTest::newRow("installed tree") << "INSTALLED/bin" << "INSTALLED/libexec/marulo";
    QTest::newRow("beside the program") << QFileInfo(QStringLiteral(MARULO_PROBE)).path()
                                        << QFileInfo(QStringLiteral(MARULO_PROBE)).path();
    // clang-format on
}

void InstallLayoutTest::convertersFound()
{
    QFETCH(QString, probeFolder);
    QFETCH(QString, converterFolder);
    probeFolder.replace(QLatin1String("INSTALLED"), installed(QString()).chopped(1));
    converterFolder.replace(QLatin1String("INSTALLED"), installed(QString()).chopped(1));
    QString probe = QDir(probeFolder).filePath(QStringLiteral("converter_probe"));
    if (!QFileInfo::exists(probe))
        QVERIFY(QFile::copy(QStringLiteral(MARULO_PROBE), probe));

    // Started from a folder without converters, with a search path that has
    // none either.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    const Run probed = run(probe, {}, environment, empty_.path());
    QVERIFY2(probed.exitCode == 0, qPrintable(probed.err));

    const QString Lame = QString::fromUtf8(" lame.exe を用いたエンコードです。上限は\"320\"までです。");
    QStringList expected{"start\t" + Lame};
    expected << QString::fromUtf8("mode\tMP2\t toolame.exe を用いたエンコードです。上限は\"384\"までです。")
             << QString::fromUtf8("mode\tOGG\t aoTuV ( oggenc.exe ) を用いたエンコードです。音質の追求中なので期待！")
             << QString::fromUtf8(
                    "mode\tAAC\t aacenc.exe を用いた 平均ビットレートによるエンコードです。 上限は\"512\"までです。")
             << QString::fromUtf8("mode\tFLAC\t flac.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]")
             << QString::fromUtf8("mode\tTTA\t ttaenc.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]")
             << QString::fromUtf8("mode\tWAV\t Normalize.exe を用い、正規化のみを行います。") << "mode\tMP3\t" + Lame;
    for (const QString& name : ConverterNames)
        expected << "locate\t" + name + '\t' + QDir(converterFolder).filePath(name);
    QCOMPARE(probed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
}

QTEST_MAIN(InstallLayoutTest)
#include "tst_layout.moc"
