// The file list's rows, painted to an image: the 12-pixel window font shows
// whole within the designed 12-pixel rows, descenders and underscores included.
#include "tests/window/FolderFixture.h"
#include "ui/widgets/FileList.h"
#include "ui/window/TForm1.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace marulo;
using marulo::test::FolderFixture;

namespace {

constexpr int Row = 12;

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// Pixel rows of image that hold ink, between columns left and right.
QList<int> inkRows(const QImage& image, int left, int right)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < right; ++x) {
            if (isInk(image.pixel(x, y))) {
                rows.append(y);
                break;
            }
        }
    }
    return rows;
}

int inkCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isInk(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class FileRowsTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void glyphsWholeInRow_data();
    void glyphsWholeInRow();
    void rowHeightAndFontUnchanged();

private:
    QImage paintRow(int row) const;

    FileList* files_ = nullptr;
};

void FileRowsTest::init()
{
    makeRoot();
    if (QTest::currentTestFailed())
        return;
    for (const char* name : {"g_jpqy.wav", "track_01.wav", "あいう漢字.wav"})
        touch(QString::fromUtf8(name));
    QVERIFY(QDir::setCurrent(dir_->path()));
    form_ = std::make_unique<TForm1>();
    files_ = form_->findChild<FileList*>(QStringLiteral("FLB1"));
    QVERIFY(files_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void FileRowsTest::cleanup()
{
    takeDown();
}

// The row as the list paints it, on white, into an image exactly one row high.
QImage FileRowsTest::paintRow(int row) const
{
    QImage image(files_->viewport()->width(), Row, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.initFrom(files_->viewport());
    option.widget = files_;
    option.font = files_->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.palette.setColor(QPalette::Text, Qt::black);
    option.palette.setColor(QPalette::Base, Qt::white);
    option.rect = QRect(0, 0, image.width(), Row);
    QPainter painter(&image);
    files_->itemDelegate()->paint(&painter, option, files_->model()->index(row, 0));
    return image;
}

void FileRowsTest::glyphsWholeInRow_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("descends"); // must have ink on the row's last two pixels
    QTest::newRow("descenders and underscore") << QStringLiteral("g_jpqy.wav") << true;
    QTest::newRow("underscore between digits") << QStringLiteral("track_01.wav") << true;
    QTest::newRow("kana and kanji") << QStringLiteral("あいう漢字.wav") << false;
    // clang-format on
}

void FileRowsTest::glyphsWholeInRow()
{
    QFETCH(QString, name);
    QFETCH(bool, descends);
    const QList<QListWidgetItem*> found = files_->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const QImage row = paintRow(files_->row(found.first()));

    // The same text drawn freely, far from any edge, for its whole ink.
    QFont font = files_->font();
    font.setHintingPreference(QFont::PreferDefaultHinting);
    QImage free(row.width(), 3 * Row, QImage::Format_RGB32);
    free.fill(Qt::white);
    {
        QPainter painter(&free);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(3, Row + 10), name);
    }
    const QList<int> freeRows = inkRows(free, 0, free.width());
    QVERIFY(!freeRows.isEmpty());
    // Drawn that way the text stays within twelve pixels from baseline - 10.
    QVERIFY(freeRows.first() >= Row);
    QVERIFY(freeRows.last() <= Row + 11);

    // Nothing of it is cut off in the row.
    QVERIFY(inkCount(free) > 0);
    QCOMPARE(inkCount(row), inkCount(free));
    const QList<int> rows = inkRows(row, 0, row.width());
    if (descends)
        QVERIFY(rows.contains(10) || rows.contains(11));
}

void FileRowsTest::rowHeightAndFontUnchanged()
{
    QCOMPARE(files_->visualItemRect(files_->item(0)).height(), 12);
    QCOMPARE(files_->visualItemRect(files_->item(1)).top(), files_->visualItemRect(files_->item(0)).top() + 12);
    QCOMPARE(QFontInfo(files_->font()).pixelSize(), 12);
}

QTEST_MAIN(FileRowsTest)
#include "tst_file_rows.moc"
