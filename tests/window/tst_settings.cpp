// The settings file and dialog: absent (nothing read, nothing written), valid,
// broken and unwritable files; the remembered folder, written at exit and
// chosen at start unless the command line names one; the dialog's
// controls by name, from Ctrl+, and from the menu of the window's free area.
#include "launcher/UserSettings.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace marulo;

Q_DECLARE_METATYPE(marulo::ExistingResults)

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filePlace_data();
    void filePlace();
    void absentFileStaysAbsent();
    void fileRead_data();
    void fileRead();
    void okWithChangesWritesFile();
    void cancelKeepsEverything();
    void loudnessRows();
    void unwritableFolderIsReported();
    void unusableFileOnSave_data();
    void unusableFileOnSave();
    void lastFolderAtExit_data();
    void lastFolderAtExit();
    void startFolder_data();
    void startFolder();
    void windowOpensRememberedFolder_data();
    void windowOpensRememberedFolder();
    void freeAreaMenuOpensDialog();
    void noMenuOnControls();

private:
    QString confPath() const { return QDir(config_->path()).filePath(QStringLiteral("marulo/marulo.conf")); }
    void writeConf(const QByteArray& text);
    QByteArray readConf() const;
    void startWindow();
    QDialog* openDialog();
    void close();

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QTemporaryDir> folders_;
    std::unique_ptr<TForm1> form_;
    QString startFolder_;
    QString here_; // the process's folder when the window starts
};

void SettingsTest::init()
{
    startFolder_ = QDir::currentPath();
    config_ = std::make_unique<QTemporaryDir>();
    folders_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid() && folders_->isValid());
    qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
    const QDir root(QDir(folders_->path()).canonicalPath());
    for (const char* name : {"here", "music", "other", "given"})
        QVERIFY(root.mkdir(QString::fromLatin1(name)));
    here_ = root.filePath(QStringLiteral("here"));
    QVERIFY(QDir::setCurrent(here_));
}

void SettingsTest::cleanup()
{
    form_.reset();
    QDir::setCurrent(startFolder_);
    folders_.reset();
    config_.reset();
}

void SettingsTest::writeConf(const QByteArray& text)
{
    QVERIFY(QDir(config_->path()).mkpath(QStringLiteral("marulo")));
    QFile file(confPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray SettingsTest::readConf() const
{
    QFile file(confPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SettingsTest::startWindow()
{
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

QDialog* SettingsTest::openDialog()
{
    QTest::keyClick(form_.get(), Qt::Key_Comma, Qt::ControlModifier);
    auto* dialog = form_->findChild<QDialog*>(QStringLiteral("SettingsDialog"));
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

void SettingsTest::close()
{
    QVERIFY(form_->close());
    form_.reset();
}

void press(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(box);
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

void SettingsTest::filePlace_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("xdg"); // empty: unset
    QTest::addColumn<QString>("expected");
    QTest::newRow("set") << QByteArray("/srv/conf") << "/srv/conf/marulo/marulo.conf";
    QTest::newRow("unset") << QByteArray() << "/home/someone/.config/marulo/marulo.conf";
    QTest::newRow("relative: ignored") << QByteArray("conf") << "/home/someone/.config/marulo/marulo.conf";
    // clang-format on
}

void SettingsTest::filePlace()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, expected);
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", "/home/someone");
    if (xdg.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", xdg);
    const QString place = SettingsFilePath();
    qputenv("HOME", home);
    QCOMPARE(place, expected);
}

void SettingsTest::absentFileStaysAbsent()
{
    startWindow();
    QCOMPARE(form_->runPolicy().jobs, 1);
    QCOMPARE(form_->runPolicy().existing, ExistingResults::Overwrite);
    QDialog* dialog = openDialog();
    QVERIFY(dialog);
    auto* jobs = dialog->findChild<QSpinBox*>(QStringLiteral("Jobs"));
    auto* existing = dialog->findChild<QComboBox*>(QStringLiteral("ExistingResults"));
    auto* remember = dialog->findChild<QCheckBox*>(QStringLiteral("RememberFolder"));
    QVERIFY(jobs && existing && remember);
    QCOMPARE(jobs->value(), 1);
    QCOMPARE(jobs->minimum(), 1);
    QCOMPARE(jobs->maximum(), 4 * QThread::idealThreadCount());
    QCOMPARE(existing->count(), 3);
    QCOMPARE(existing->currentText(), QStringLiteral("上書きする"));
    QVERIFY(!remember->isChecked());
    auto* hint = dialog->findChild<QLabel*>(QStringLiteral("JobsHint"));
    QVERIFY(hint && hint->text().contains(QString::number(QThread::idealThreadCount())));

    // OK without a change, then a folder change and the exit: still no file.
    press(dialog, QDialogButtonBox::Ok);
    QTRY_VERIFY(!form_->findChild<QDialog*>(QStringLiteral("SettingsDialog")));
    form_->findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(QStringLiteral("../music"));
    close();
    QVERIFY(QDir(config_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

void SettingsTest::fileRead_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<int>("jobs");
    QTest::addColumn<ExistingResults>("existing");
    QTest::addColumn<bool>("remember");
    QTest::newRow("valid") << QByteArray("[conversion]\njobs=3\nexisting=number\n[start]\nrememberFolder=true\n") << 3
                           << ExistingResults::Number << true;
    QTest::newRow("skip") << QByteArray("[conversion]\nexisting=skip\n") << 1 << ExistingResults::Skip << false;
    QTest::newRow("jobs not a number") << QByteArray("[conversion]\njobs=two\nexisting=skip\n") << 1
                                       << ExistingResults::Skip << false;
    QTest::newRow("jobs zero") << QByteArray("[conversion]\njobs=0\n") << 1 << ExistingResults::Overwrite << false;
    QTest::newRow("jobs too many") << QByteArray("[conversion]\njobs=100000\n") << 1 << ExistingResults::Overwrite
                                   << false;
    QTest::newRow("unknown word") << QByteArray("[conversion]\njobs=2\nexisting=maybe\n") << 2
                                  << ExistingResults::Overwrite << false;
    QTest::newRow("remember not a word of ours")
        << QByteArray("[start]\nrememberFolder=yes\n") << 1 << ExistingResults::Overwrite << false;
    QTest::newRow("not an ini file") << QByteArray("\x01\x02[[[=\n==\xff\xfe\n") << 1 << ExistingResults::Overwrite
                                     << false;
    // clang-format on
}

void SettingsTest::fileRead()
{
    QFETCH(QByteArray, conf);
    QFETCH(int, jobs);
    QFETCH(ExistingResults, existing);
    QFETCH(bool, remember);
    writeConf(conf);
    startWindow();
    QCOMPARE(form_->runPolicy().jobs, jobs);
    QCOMPARE(form_->runPolicy().existing, existing);

    // The dialog shows the settings in force, bad values as their defaults.
    QDialog* dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("Jobs"))->value(), jobs);
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("ExistingResults"))->currentIndex(),
             static_cast<int>(existing));
    QCOMPARE(dialog->findChild<QCheckBox*>(QStringLiteral("RememberFolder"))->isChecked(), remember);
    press(dialog, QDialogButtonBox::Cancel);
    close();
    if (!remember)
        QCOMPARE(readConf(), conf); // reading never writes; only a remembered folder is written at exit
}

void SettingsTest::okWithChangesWritesFile()
{
    startWindow();
    QDialog* dialog = openDialog();
    QVERIFY(dialog);
    dialog->findChild<QSpinBox*>(QStringLiteral("Jobs"))->setValue(2);
    dialog->findChild<QComboBox*>(QStringLiteral("ExistingResults"))->setCurrentIndex(2);
    dialog->findChild<QCheckBox*>(QStringLiteral("RememberFolder"))->setChecked(true);
    auto* language = dialog->findChild<QComboBox*>(QStringLiteral("Language"));
    QCOMPARE(language->currentText(), QString::fromUtf8("日本語"));
    language->setCurrentIndex(1);
    press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(form_->runPolicy().jobs, 2);
    QCOMPARE(form_->runPolicy().existing, ExistingResults::Number);
    QCOMPARE(readConf(), QByteArray("[conversion]\nexisting=number\njobs=2\n\n[interface]\nlanguage=en\n\n"
                                    "[normalize]\nloudness=-16\nmethod=peak\ntruePeak=-1\n\n"
                                    "[start]\nrememberFolder=true\n"));

    // With remember on, the exit notes the folder open then.
    close();
    QCOMPARE(readConf(), QByteArray("[conversion]\nexisting=number\njobs=2\n\n[interface]\nlanguage=en\n\n"
                                    "[normalize]\nloudness=-16\nmethod=peak\ntruePeak=-1\n\n"
                                    "[start]\nlastFolder=") +
                             here_.toUtf8() + QByteArray("\nrememberFolder=true\n"));
}

void SettingsTest::cancelKeepsEverything()
{
    startWindow();
    QDialog* dialog = openDialog();
    QVERIFY(dialog);
    dialog->findChild<QSpinBox*>(QStringLiteral("Jobs"))->setValue(2);
    dialog->findChild<QCheckBox*>(QStringLiteral("RememberFolder"))->setChecked(true);
    press(dialog, QDialogButtonBox::Cancel);
    QCOMPARE(form_->runPolicy().jobs, 1);
    close();
    QVERIFY(!QFile::exists(confPath()));
}

// The method, a target chosen from its presets, and the ceiling reach the
// run policy and the file.
void SettingsTest::loudnessRows()
{
    writeConf("[normalize]\nloudness=-20\n");
    startWindow();
    QDialog* dialog = openDialog();
    QVERIFY(dialog);
    auto* target = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("LoudnessTarget"));
    QVERIFY(target);
    QCOMPARE(target->value(), -20.0);
    dialog->findChild<QComboBox*>(QStringLiteral("NormalizeMethod"))->setCurrentIndex(2);
    auto* presets = dialog->findChild<QComboBox*>(QStringLiteral("LoudnessTargetPresets"));
    QCOMPARE(presets->count(), 3);
    QTest::keyClick(presets, Qt::Key_Down); // the first preset, as the user picks it
    QCOMPARE(target->value(), -23.0);
    dialog->findChild<QDoubleSpinBox*>(QStringLiteral("TruePeakCeiling"))->setValue(-2.5);
    press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(form_->runPolicy().loudness, (LoudnessPolicy{NormalizeMethod::Album, -23, -2.5}));
    QVERIFY(readConf().contains("[normalize]\nloudness=-23\nmethod=album\ntruePeak=-2.5\n"));
}

void SettingsTest::unwritableFolderIsReported()
{
    // A plain file where the settings folder should be: no folder can be made.
    QFile blocker(QDir(config_->path()).filePath(QStringLiteral("marulo")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startWindow();
    QDialog* dialog = openDialog();
    QVERIFY(dialog);
    dialog->findChild<QComboBox*>(QStringLiteral("ExistingResults"))->setCurrentIndex(1);
    press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(form_->statusText(),
             QStringLiteral(" 設定ファイルを保存できませんでした。保存先のフォルダを確認して下さい。"));
    // The program goes on, with the settings chosen.
    QCOMPARE(form_->runPolicy().existing, ExistingResults::Skip);
    QVERIFY(form_->isVisible());
}

void SettingsTest::unusableFileOnSave_data()
{
    // clang-format off
    QTest::addColumn<QString>("what"); // "random bytes" or "folder"
    QTest::newRow("random bytes: set aside, written afresh") << "random bytes";
    QTest::newRow("a folder at the file's place: reported") << "folder";
    // clang-format on
}

void SettingsTest::unusableFileOnSave()
{
    QFETCH(QString, what);
    QByteArray bytes;
    if (what == QLatin1String("folder")) {
        QVERIFY(QDir(config_->path()).mkpath(QStringLiteral("marulo/marulo.conf")));
    } else {
        // Every byte value, in an order of no meaning: nothing of an INI file.
        for (int i = 0; i < 4096; ++i)
            bytes.append(static_cast<char>((i * 7919 + i / 256) % 256));
        writeConf(bytes);
    }
    startWindow();
    QDialog* dialog = openDialog();
    QVERIFY(dialog);
    dialog->findChild<QSpinBox*>(QStringLiteral("Jobs"))->setValue(3);
    press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(form_->runPolicy().jobs, 3);
    if (what == QLatin1String("folder")) {
        QCOMPARE(form_->statusText(),
                 QStringLiteral(" 設定ファイルを保存できませんでした。保存先のフォルダを確認して下さい。"));
        QVERIFY(QFileInfo(confPath()).isDir());
        return;
    }
    QVERIFY(form_->statusText() !=
            QStringLiteral(" 設定ファイルを保存できませんでした。保存先のフォルダを確認して下さい。"));
    QCOMPARE(readConf(), QByteArray("[conversion]\nexisting=overwrite\njobs=3\n\n[interface]\nlanguage=ja\n\n"
                                    "[normalize]\nloudness=-16\nmethod=peak\ntruePeak=-1\n\n"
                                    "[start]\nrememberFolder=false\n"));
    QFile bad(confPath() + QStringLiteral(".bad"));
    QVERIFY(bad.open(QIODevice::ReadOnly));
    QCOMPARE(bad.readAll(), bytes);
}

void SettingsTest::lastFolderAtExit_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("remember");
    QTest::newRow("on") << QByteArray("true");
    QTest::newRow("off") << QByteArray("false");
    // clang-format on
}

void SettingsTest::lastFolderAtExit()
{
    QFETCH(QByteArray, remember);
    const QDir root(QFileInfo(here_).absolutePath());
    const QByteArray conf = "[start]\nlastFolder=" + root.filePath(QStringLiteral("music")).toUtf8() +
                            "\nrememberFolder=" + remember + "\n";
    writeConf(conf);
    startWindow();
    form_->findChild<FolderList*>(QStringLiteral("DLB1"))->setDirectory(root.filePath(QStringLiteral("other")));
    close();
    if (remember == "true")
        QCOMPARE(readConf(),
                 "[start]\nlastFolder=" + root.filePath(QStringLiteral("other")).toUtf8() + "\nrememberFolder=true\n");
    else
        QCOMPARE(readConf(), conf);
}

void SettingsTest::startFolder_data()
{
    // clang-format off
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected"); // empty: stay in the current folder
    QTest::newRow("remember on") << true << "music"
                                 << ""
                                 << "music";
    QTest::newRow("remember off") << false << "music"
                                  << ""
                                  << "";
    QTest::newRow("remembered folder gone") << true << "gone"
                                            << ""
                                            << "";
    QTest::newRow("command line wins") << true << "music"
                                       << "given"
                                       << "given";
    QTest::newRow("command line, remember off") << false << "music"
                                                << "given"
                                                << "given";
    // clang-format on
}

void SettingsTest::startFolder()
{
    QFETCH(bool, remember);
    QFETCH(QString, last);
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    const QDir root(QFileInfo(here_).absolutePath());
    UserSettings settings;
    settings.rememberFolder = remember;
    settings.lastFolder = root.filePath(last);
    const QString given = argument.isEmpty() ? QString() : root.filePath(argument);
    QCOMPARE(StartFolder(settings, given), expected.isEmpty() ? QString() : root.filePath(expected));
}

void SettingsTest::windowOpensRememberedFolder_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("remember");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("remember on") << QByteArray("true") << "music" << "music";
    QTest::newRow("remember off") << QByteArray("false") << "music" << "here";
    QTest::newRow("remembered folder gone") << QByteArray("true") << "gone" << "here";
    // clang-format on
}

// A window made directly, as another build linking the library makes it: it
// opens the remembered folder itself, after the tool folder is captured.
void SettingsTest::windowOpensRememberedFolder()
{
    QFETCH(QByteArray, remember);
    QFETCH(QString, last);
    QFETCH(QString, expected);
    const QDir root(QFileInfo(here_).absolutePath());
    writeConf("[start]\nlastFolder=" + root.filePath(last).toUtf8() + "\nrememberFolder=" + remember + "\n");
    startWindow();
    QCOMPARE(form_->toolFolder(), here_);
    QCOMPARE(form_->findChild<FolderList*>(QStringLiteral("DLB1"))->directory(), root.filePath(expected));
    QCOMPARE(form_->findChild<FileList*>(QStringLiteral("FLB1"))->directory(), root.filePath(expected));
}

void SettingsTest::freeAreaMenuOpensDialog()
{
    startWindow();
    QWidget* panel = form_->findChild<QWidget*>(QStringLiteral("P1"));
    QVERIFY(panel);
    // Left of the folder list, right of nothing: a strip no control covers.
    const QPoint free(3, 250);
    QVERIFY(!panel->childAt(free));
    QContextMenuEvent click(QContextMenuEvent::Mouse, free, panel->mapToGlobal(free));
    QApplication::sendEvent(panel, &click);
    auto* menu = form_->findChild<QMenu*>(QStringLiteral("FreeAreaMenu"));
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("設定(&S)..."));
    menu->actions().first()->trigger();
    menu->close();
    auto* dialog = form_->findChild<QDialog*>(QStringLiteral("SettingsDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
}

void SettingsTest::noMenuOnControls()
{
    startWindow();
    for (const char* name : {"LT1", "RG1", "L1"}) {
        auto* control = form_->findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY(control);
        const QPoint inside = control->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside, control->mapToGlobal(inside));
        QApplication::sendEvent(control, &click);
        QVERIFY2(!form_->findChild<QMenu*>(QStringLiteral("FreeAreaMenu")), name);
    }
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
