// The folder and file lists while the opened folder keeps changing on disk:
// rows come and go in place, and what the user highlighted, selected and
// scrolled to stays on the same folder or file.
#include "tests/window/FolderFixture.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace marulo;
using marulo::test::FolderFixture;

class ListChurnTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void folderHighlightAndScrollStayUnderChurn();
    void removedHighlightedFolderMovesToNeighbour_data();
    void removedHighlightedFolderMovesToNeighbour();
    void fileChangeLeavesFolderRowsAlone();
    void fileSelectionAndScrollStayUnderChurn();
    void selectedFileRemovedDropsSelection();

private:
    static QString topText(const QListWidget* list);
    static QStringList texts(const QListWidget* list);
    static int rowOf(const QListWidget* list, const QString& text);

    FolderList* folders_ = nullptr;
    FileList* files_ = nullptr;
};

QString ListChurnTest::topText(const QListWidget* list)
{
    const QListWidgetItem* top = list->itemAt(1, 1);
    return top ? top->text() : QString();
}

QStringList ListChurnTest::texts(const QListWidget* list)
{
    QStringList all;
    for (int row = 0; row < list->count(); ++row)
        all.append(list->item(row)->text());
    return all;
}

int ListChurnTest::rowOf(const QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.first());
}

void ListChurnTest::init()
{
    makeRoot();
    if (QTest::currentTestFailed())
        return;
    // More folders and files than either list shows at once, so both scroll.
    for (int i = 10; i < 40; ++i) {
        QVERIFY(QDir(root_).mkdir(QStringLiteral("f%1").arg(i)));
        touch(QStringLiteral("t%1.wav").arg(i));
    }
    QVERIFY(QDir::setCurrent(root_));
    form_ = std::make_unique<TForm1>();
    folders_ = form_->findChild<FolderList*>(QStringLiteral("DLB1"));
    files_ = form_->findChild<FileList*>(QStringLiteral("FLB1"));
    QVERIFY(folders_ && files_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void ListChurnTest::cleanup()
{
    takeDown();
}

void ListChurnTest::folderHighlightAndScrollStayUnderChurn()
{
    QListWidgetItem* highlighted = folders_->findItems(QStringLiteral("f20"), Qt::MatchExactly).value(0);
    QVERIFY(highlighted);
    folders_->setCurrentItem(highlighted);
    folders_->scrollToItem(folders_->findItems(QStringLiteral("f17"), Qt::MatchExactly).value(0),
                           QAbstractItemView::PositionAtTop);
    QCOMPARE(topText(folders_), QStringLiteral("f17"));

    const QDir root(root_);
    for (int round = 0; round < 8; ++round) {
        // Folders before the top row, between it and the highlight, after
        // both; files that the folder list must not notice.
        const QString before = QStringLiteral("a%1").arg(round);
        const QString between = QStringLiteral("f18_%1").arg(round);
        QVERIFY(root.mkdir(before));
        QVERIFY(root.mkdir(between));
        QVERIFY(root.mkdir(QStringLiteral("z%1").arg(round)));
        touch(QStringLiteral("noise%1.txt").arg(round));
        if (round > 0) {
            QVERIFY(root.rmdir(QStringLiteral("a%1").arg(round - 1)));
            QVERIFY(root.rmdir(QStringLiteral("f18_%1").arg(round - 1)));
            QVERIFY(QFile::remove(root.filePath(QStringLiteral("noise%1.txt").arg(round - 1))));
        }
        QTRY_VERIFY(texts(folders_).contains(before) && texts(folders_).contains(between) &&
                    !texts(folders_).contains(QStringLiteral("a%1").arg(round - 1)));

        QCOMPARE(folders_->currentItem()->text(), QStringLiteral("f20"));
        QCOMPARE(folders_->selectedItems().size(), 1);
        QCOMPARE(folders_->selectedItems().first()->text(), QStringLiteral("f20"));
        QCOMPARE(topText(folders_), QStringLiteral("f17"));
    }
    // The very rows that were there: the highlighted item was never rebuilt.
    QCOMPARE(folders_->currentItem(), highlighted);
}

void ListChurnTest::removedHighlightedFolderMovesToNeighbour_data()
{
    // clang-format off
    QTest::addColumn<QString>("highlighted");
    QTest::addColumn<QString>("neighbour");
    QTest::newRow("among others: the one after") << "f20"
                                                 << "f21";
    QTest::newRow("the last: the one before") << "f39"
                                              << "f38";
    // clang-format on
}

void ListChurnTest::removedHighlightedFolderMovesToNeighbour()
{
    QFETCH(QString, highlighted);
    QFETCH(QString, neighbour);
    folders_->setCurrentItem(folders_->findItems(highlighted, Qt::MatchExactly).value(0));
    QVERIFY(QDir(root_).rmdir(highlighted));
    QTRY_VERIFY(!texts(folders_).contains(highlighted));
    QVERIFY(folders_->currentItem());
    QCOMPARE(folders_->currentItem()->text(), neighbour);
    QCOMPARE(folders_->selectedItems().size(), 1);
    QCOMPARE(folders_->selectedItems().first()->text(), neighbour);
}

void ListChurnTest::fileChangeLeavesFolderRowsAlone()
{
    QList<QListWidgetItem*> before;
    for (int row = 0; row < folders_->count(); ++row)
        before.append(folders_->item(row));
    QSignalSpy removed(folders_->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(folders_->model(), &QAbstractItemModel::rowsInserted);

    touch(QStringLiteral("new.wav"));
    QTRY_VERIFY(texts(files_).contains(QStringLiteral("new.wav")));
    // A folder last, so that its row shows the folder list has read the folder again.
    QVERIFY(QDir(root_).mkdir(QStringLiteral("zz")));
    QTRY_VERIFY(texts(folders_).contains(QStringLiteral("zz")));

    QCOMPARE(removed.count(), 0);
    QCOMPARE(inserted.count(), 1);
    for (int row = 0; row < before.size(); ++row)
        QCOMPARE(folders_->item(row), before.at(row));
}

void ListChurnTest::fileSelectionAndScrollStayUnderChurn()
{
    files_->selectItem(rowOf(files_, QStringLiteral("t25.wav")));
    files_->scrollToItem(files_->item(rowOf(files_, QStringLiteral("t20.wav"))), QAbstractItemView::PositionAtTop);
    QCOMPARE(topText(files_), QStringLiteral("t20.wav"));
    const QString selected = QDir(root_).filePath(QStringLiteral("t25.wav"));

    const QDir root(root_);
    for (int round = 0; round < 8; ++round) {
        const QString before = QStringLiteral("a%1.wav").arg(round);
        touch(before);
        touch(QStringLiteral("t22_%1.WAV").arg(round));
        QVERIFY(root.mkdir(QStringLiteral("t21_%1.wav").arg(round))); // a folder: not listed
        if (round > 0)
            QVERIFY(QFile::remove(root.filePath(QStringLiteral("a%1.wav").arg(round - 1))));
        QTRY_VERIFY(texts(files_).contains(before) &&
                    !texts(files_).contains(QStringLiteral("a%1.wav").arg(round - 1)) &&
                    texts(files_).contains(QStringLiteral("t22_%1.WAV").arg(round)));

        QCOMPARE(files_->selectedPath(), selected);
        QCOMPARE(topText(files_), QStringLiteral("t20.wav"));
    }
    // The top row itself goes: the next one takes its place at the top.
    QVERIFY(QFile::remove(root.filePath(QStringLiteral("t20.wav"))));
    QTRY_VERIFY(!texts(files_).contains(QStringLiteral("t20.wav")));
    QCOMPARE(topText(files_), QStringLiteral("t21.wav"));
    QCOMPARE(files_->selectedPath(), selected);
}

void ListChurnTest::selectedFileRemovedDropsSelection()
{
    files_->selectItem(rowOf(files_, QStringLiteral("t25.wav")));
    files_->setFocus();
    QVERIFY(QFile::remove(QDir(root_).filePath(QStringLiteral("t25.wav"))));
    QTRY_VERIFY(!texts(files_).contains(QStringLiteral("t25.wav")));
    QVERIFY(files_->selectedItems().isEmpty());
    QVERIFY(files_->selectedPath().isEmpty());
    QCOMPARE(files_->currentRow(), -1);
}

QTEST_MAIN(ListChurnTest)
#include "tst_list_churn.moc"
