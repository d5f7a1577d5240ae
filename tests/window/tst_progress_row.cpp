// The running file's row in the file list, painted at several shares with the
// row selected and not, read back pixel by pixel.
#include "tests/window/FolderFixture.h"
#include "ui/widgets/FileList.h"
#include "ui/window/TForm1.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace marulo;
using marulo::test::FolderFixture;

namespace {

// The offscreen platform's colours: the style's highlight, the list's white
// base, and the progress's lighter tone, a third of the highlight in white.
const QRgb Highlight = qRgb(48, 140, 198);
const QRgb Base = qRgb(255, 255, 255);
const QRgb Light = qRgb(183, 215, 235);

// Blank places of a row: past the short file names, at its vertical middle.
struct Samples {
    QRgb left;
    QRgb right;
};

} // namespace

class ProgressRowTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void runningRow_data();
    void runningRow();
    void rowKeepsItsHeight();
    void shareFollowsTheFileNotTheRow();

private:
    Samples samplesOf(int row) const;
    QString pathOf(const QString& name) const { return QDir(dir_->path()).filePath(name); }

    FileList* files_ = nullptr;
};

void ProgressRowTest::init()
{
    makeRoot();
    if (QTest::currentTestFailed())
        return;
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        touch(QString::fromLatin1(name));
    QVERIFY(QDir::setCurrent(dir_->path()));
    form_ = std::make_unique<TForm1>();
    files_ = form_->findChild<FileList*>(QStringLiteral("FLB1"));
    QVERIFY(files_);
    QCOMPARE(files_->count(), 3);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void ProgressRowTest::cleanup()
{
    takeDown();
}

Samples ProgressRowTest::samplesOf(int row) const
{
    files_->doItemsLayout(); // rows made anew are placed at the next event otherwise
    const QImage image = files_->viewport()->grab().toImage();
    const QRect rect = files_->visualItemRect(files_->item(row));
    const int y = rect.center().y();
    return {image.pixel(rect.left() + rect.width() / 4, y), image.pixel(rect.left() + rect.width() * 3 / 4, y)};
}

void ProgressRowTest::runningRow_data()
{
    // clang-format off
    QTest::addColumn<int>("selected"); // the selected row, -1 for none
    QTest::addColumn<double>("percent"); // negative: no share reported for b.wav
    QTest::addColumn<int>("row");      // the row read back
    QTest::addColumn<QRgb>("left");
    QTest::addColumn<QRgb>("right");

    QTest::newRow("selected, nothing reported") << 1 << -1.0 << 1 << Highlight << Highlight;
    QTest::newRow("selected, 0 %") << 1 << 0.0 << 1 << Light << Light;
    QTest::newRow("selected, 50 %") << 1 << 50.0 << 1 << Highlight << Light;
    QTest::newRow("selected, done") << 1 << 100.0 << 1 << Highlight << Highlight;
    QTest::newRow("not selected, nothing reported") << 0 << -1.0 << 1 << Base << Base;
    QTest::newRow("not selected, 0 %") << 0 << 0.0 << 1 << Base << Base;
    QTest::newRow("not selected, 50 %") << 0 << 50.0 << 1 << Light << Base;
    QTest::newRow("not selected, done") << -1 << 100.0 << 1 << Light << Light;
    QTest::newRow("another row selected as ever") << 0 << 50.0 << 0 << Highlight << Highlight;
    QTest::newRow("a row without a share") << 0 << 50.0 << 2 << Base << Base;
    // clang-format on
}

void ProgressRowTest::runningRow()
{
    QFETCH(int, selected);
    QFETCH(double, percent);
    QFETCH(int, row);
    QFETCH(QRgb, left);
    QFETCH(QRgb, right);

    if (selected >= 0)
        files_->selectItem(selected);
    if (percent >= 0)
        files_->setProgress(pathOf("b.wav"), percent);
    const Samples samples = samplesOf(row);
    QCOMPARE(QColor(samples.left), QColor(left));
    QCOMPARE(QColor(samples.right), QColor(right));
}

void ProgressRowTest::rowKeepsItsHeight()
{
    files_->selectItem(1);
    files_->setProgress(pathOf("b.wav"), 50);
    QCOMPARE(files_->visualItemRect(files_->item(1)).height(), 12);
    QCOMPARE(files_->visualItemRect(files_->item(2)).top(), files_->visualItemRect(files_->item(1)).top() + 12);
}

// The share belongs to the file: a new file that sorts before it moves the
// row down, and a cleared share leaves the row as it was drawn before.
void ProgressRowTest::shareFollowsTheFileNotTheRow()
{
    files_->setProgress(pathOf("b.wav"), 100);
    QFile early(pathOf("0.wav"));
    QVERIFY(early.open(QIODevice::WriteOnly));
    early.close();
    files_->refresh();
    QCOMPARE(files_->item(2)->text(), QStringLiteral("b.wav"));
    QCOMPARE(QColor(samplesOf(2).right), QColor(Light));
    QCOMPARE(QColor(samplesOf(1).right), QColor(Base));
    files_->clearProgress(pathOf("b.wav"));
    QCOMPARE(QColor(samplesOf(2).right), QColor(Base));
}

QTEST_MAIN(ProgressRowTest)
#include "tst_progress_row.moc"
