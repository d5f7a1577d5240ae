// The drive selector, folder list and file list on temporary folders: the
// folder list's folder is the process's current folder and the file list's.
#include "tests/window/FolderFixture.h"
#include "ui/widgets/DriveSelector.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace marulo;
using marulo::test::FolderFixture;

class WindowListsTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAtCurrentFolder();
    void listsMatchingPlainFilesSortedByName();
    void masks_data();
    void masks();
    void folderListShowsPathThenSubfolders();
    void doubleClickOpensFolder();
    void unenterableFolderLeavesListsTogether();
    void selection();
    void fileCreatedOnDiskAppearsKeepingSelection();
    void fileRemovedOnDiskDropsSelection();
    void folderCreatedOnDiskAppears();
    void openFolderRemovedFallsBackToParent();
    void driveSelectorReturnsToLastFolderOnDrive();

private:
    QStringList fileNames(const FileList* list) const;

    FolderList* folders_ = nullptr;
    FileList* files_ = nullptr;
    DriveSelector* drives_ = nullptr;
};

QStringList WindowListsTest::fileNames(const FileList* list) const
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

void WindowListsTest::init()
{
    makeRoot();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(QDir(root_).mkpath(QStringLiteral("sub/deeper")));
    QVERIFY(QDir(root_).mkpath(QStringLiteral("Alpha")));
    QVERIFY(QDir(root_).mkpath(QStringLiteral("folder.wav")));
    for (const char* name : {"b.wav", "A.wav", "SONG.WAV", "c.mp3", "d.wav.txt", "Track.Wav", "sub/x.wav"})
        touch(QString::fromLatin1(name), "x");
    QVERIFY(QDir::setCurrent(root_));
    form_ = std::make_unique<TForm1>();
    folders_ = form_->findChild<FolderList*>(QStringLiteral("DLB1"));
    files_ = form_->findChild<FileList*>(QStringLiteral("FLB1"));
    drives_ = form_->findChild<DriveSelector*>(QStringLiteral("DCB1"));
    QVERIFY(folders_ && files_ && drives_);
}

void WindowListsTest::cleanup()
{
    takeDown();
}

void WindowListsTest::startsAtCurrentFolder()
{
    QCOMPARE(folders_->directory(), root_);
    QCOMPARE(files_->directory(), root_);
    QCOMPARE(files_->mask(), QStringLiteral("*.wav"));
    QCOMPARE(drives_->currentText(), drives_->driveOf(root_));
    QVERIFY(files_->selectedPath().isEmpty());
}

void WindowListsTest::listsMatchingPlainFilesSortedByName()
{
    // Upper-case extensions match; folders and other extensions do not.
    QCOMPARE(fileNames(files_), (QStringList{"A.wav", "b.wav", "SONG.WAV", "Track.Wav"}));
    QCOMPARE(files_->listedPaths().first(), QDir(root_).filePath(QStringLiteral("A.wav")));
    QCOMPARE(files_->selectionMode(), QAbstractItemView::SingleSelection);
}

void WindowListsTest::masks_data()
{
    // clang-format off
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("mp3") << "*.mp3" << QStringList{"c.mp3"};
    QTest::newRow("two patterns") << "*.mp3;*.wav" << QStringList{"A.wav", "b.wav", "c.mp3", "SONG.WAV", "Track.Wav"};
    QTest::newRow("upper-case pattern") << "*.WAV" << QStringList{"A.wav", "b.wav", "SONG.WAV", "Track.Wav"};
    QTest::newRow("blank around patterns") << "*.txt ; *.MP3" << QStringList{"c.mp3", "d.wav.txt"};
    QTest::newRow("nothing matches") << "*.flac" << QStringList{};
    QTest::newRow("everything") << "*.*" << QStringList{"A.wav", "b.wav", "c.mp3", "d.wav.txt", "SONG.WAV", "Track.Wav"};
    // clang-format on
}

void WindowListsTest::masks()
{
    QFETCH(QString, mask);
    QFETCH(QStringList, listed);
    files_->selectItem(0);
    files_->setMask(mask);
    QCOMPARE(fileNames(files_), listed);
    QVERIFY(files_->selectedPath().isEmpty());
}

void WindowListsTest::folderListShowsPathThenSubfolders()
{
    QStringList entries;
    for (int i = 0; i < folders_->count(); ++i)
        entries.append(folders_->item(i)->text());
    QStringList path = root_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    path.prepend(QStringLiteral("/"));
    QCOMPARE(entries.mid(0, path.size()), path);
    QCOMPARE(entries.mid(path.size()), (QStringList{"Alpha", "folder.wav", "sub"}));
    QCOMPARE(folders_->currentRow(), path.size() - 1);
}

void WindowListsTest::doubleClickOpensFolder()
{
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QSignalSpy changed(folders_, &FolderList::directoryChanged);
    const QList<QListWidgetItem*> found = folders_->findItems(QStringLiteral("sub"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    folders_->scrollToItem(found.first());
    const QPoint centre = folders_->visualItemRect(found.first()).center();
    QTest::mouseClick(folders_->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(folders_->directory(), root_); // a single click opens nothing
    QTest::mouseDClick(folders_->viewport(), Qt::LeftButton, {}, centre);

    const QString sub = QDir(root_).filePath(QStringLiteral("sub"));
    QCOMPARE(folders_->directory(), sub);
    QCOMPARE(QDir::currentPath(), sub);
    QCOMPARE(files_->directory(), sub);
    QCOMPARE(fileNames(files_), QStringList{"x.wav"});
    QCOMPARE(changed.count(), 1);

    // The entry above leads back up.
    const QList<QListWidgetItem*> up = folders_->findItems(QFileInfo(root_).fileName(), Qt::MatchExactly);
    QVERIFY(!up.isEmpty());
    const QPoint upCentre = folders_->visualItemRect(up.first()).center();
    QTest::mouseClick(folders_->viewport(), Qt::LeftButton, {}, upCentre);
    QTest::mouseDClick(folders_->viewport(), Qt::LeftButton, {}, upCentre);
    QCOMPARE(QDir::currentPath(), root_);
    QCOMPARE(files_->count(), 4);
}

void WindowListsTest::unenterableFolderLeavesListsTogether()
{
    folders_->setDirectory(QDir(root_).filePath(QStringLiteral("no such folder")));
    QCOMPARE(folders_->directory(), root_);
    QCOMPARE(QDir::currentPath(), root_);
    QCOMPARE(files_->directory(), root_);
}

void WindowListsTest::selection()
{
    QVERIFY(files_->selectedPath().isEmpty());
    files_->selectItem(1);
    QCOMPARE(files_->selectedPath(), QDir(root_).filePath(QStringLiteral("b.wav")));
    files_->selectItem(99);
    QCOMPARE(files_->selectedPath(), QDir(root_).filePath(QStringLiteral("b.wav")));
    files_->selectItem(-1);
    QCOMPARE(files_->selectedPath(), QDir(root_).filePath(QStringLiteral("b.wav")));
    files_->selectItem(3);
    QCOMPARE(files_->selectedItems().size(), 1);
    QCOMPARE(files_->selectedPath(), QDir(root_).filePath(QStringLiteral("Track.Wav")));
}

void WindowListsTest::fileCreatedOnDiskAppearsKeepingSelection()
{
    files_->selectItem(1); // b.wav
    touch(QStringLiteral("a0.wav"), "x");
    QTRY_VERIFY(fileNames(files_).contains(QStringLiteral("a0.wav")));
    QCOMPARE(fileNames(files_), (QStringList{"A.wav", "a0.wav", "b.wav", "SONG.WAV", "Track.Wav"}));
    QCOMPARE(files_->selectedPath(), QDir(root_).filePath(QStringLiteral("b.wav")));
}

void WindowListsTest::fileRemovedOnDiskDropsSelection()
{
    files_->selectItem(1); // b.wav
    QVERIFY(QFile::remove(QDir(root_).filePath(QStringLiteral("b.wav"))));
    QTRY_VERIFY(!fileNames(files_).contains(QStringLiteral("b.wav")));
    QVERIFY(files_->selectedPath().isEmpty());
}

void WindowListsTest::folderCreatedOnDiskAppears()
{
    QVERIFY(QDir(root_).mkdir(QStringLiteral("Zorvik")));
    QTRY_VERIFY(!folders_->findItems(QStringLiteral("Zorvik"), Qt::MatchExactly).isEmpty());
}

void WindowListsTest::openFolderRemovedFallsBackToParent()
{
    const QString deeper = QDir(root_).filePath(QStringLiteral("sub/deeper"));
    folders_->setDirectory(deeper);
    QCOMPARE(QDir::currentPath(), deeper);
    QVERIFY(QDir(deeper).removeRecursively());
    const QString sub = QDir(root_).filePath(QStringLiteral("sub"));
    QTRY_COMPARE(folders_->directory(), sub);
    QCOMPARE(QDir::currentPath(), sub);
    QCOMPARE(files_->directory(), sub);
}

void WindowListsTest::driveSelectorReturnsToLastFolderOnDrive()
{
    const QString drive = drives_->driveOf(root_);
    const int index = drives_->findText(drive);
    QVERIFY(index >= 0);
    QVERIFY(drives_->findText(QDir::rootPath()) >= 0);

    const QString sub = QDir(root_).filePath(QStringLiteral("sub"));
    folders_->setDirectory(sub);
    QCOMPARE(drives_->currentText(), drive);
    // Choosing the drive comes back to the folder last open on it.
    emit drives_->activated(index);
    QCOMPARE(folders_->directory(), sub);

    folders_->setDirectory(root_);
    emit drives_->activated(index);
    QCOMPARE(folders_->directory(), root_);
    QCOMPARE(QDir::currentPath(), root_);
}

QTEST_MAIN(WindowListsTest)
#include "tst_lists.moc"
