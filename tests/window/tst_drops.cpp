// Files and folders dropped on the window: a folder opens, a file opens its
// folder and is selected when the file list shows it, the first item of
// several counts, and a drop during a conversion opens the folder while the
// run finishes the files of its press.
#include "tests/support/ConversionScene.h"

#include "tests/window/FolderFixture.h"
#include "ui/widgets/DriveSelector.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/window/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace marulo;
using marulo::test::FolderFixture;

class DropsTest : public QObject, private FolderFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drop_data();
    void drop();
    void dragIsOfferedOnlyForLocalPaths();
    void dropDuringRunOpensFolderAndRunGoesOn();

private:
    QWidget* target(const QString& name) const;
    static bool sendDrop(QWidget* target, const QList<QUrl>& urls);
};

void DropsTest::init()
{
    makeRoot();
    if (QTest::currentTestFailed())
        return;
    const QDir root(root_);
    for (const char* folder : {"here", "music", "other"})
        QVERIFY(root.mkdir(QString::fromLatin1(folder)));
    for (const char* file : {"music/a.wav", "music/b.wav", "music/notes.txt"})
        touch(QString::fromLatin1(file));
    QVERIFY(QDir::setCurrent(root.filePath(QStringLiteral("here"))));
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void DropsTest::cleanup()
{
    takeDown();
}

QWidget* DropsTest::target(const QString& name) const
{
    if (name == QLatin1String("window"))
        return form_.get();
    auto* list = form_->findChild<QAbstractItemView*>(name);
    return list ? list->viewport() : form_->findChild<QWidget*>(name);
}

bool DropsTest::sendDrop(QWidget* target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    // As a drag brings it: entering makes the widget the drop's target.
    const QPoint centre = target->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(centre, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

void DropsTest::drop_data()
{
    // clang-format off
    QTest::addColumn<QString>("onto");
    QTest::addColumn<QStringList>("dropped"); // relative to the root; "http:" ones stay as they are
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("selected"); // empty: nothing selected
    QTest::newRow("folder on the window") << "window" << QStringList{"music"} << "music"
                                          << "";
    QTest::newRow("folder on the file list") << "FLB1" << QStringList{"music"} << "music"
                                             << "";
    QTest::newRow("folder on the folder list") << "DLB1" << QStringList{"music"} << "music"
                                               << "";
    QTest::newRow("folder on a value field") << "E1" << QStringList{"music"} << "music"
                                             << "";
    QTest::newRow("listed file") << "window" << QStringList{"music/b.wav"} << "music"
                                 << "music/b.wav";
    QTest::newRow("file the mask hides") << "FLB1" << QStringList{"music/notes.txt"} << "music"
                                         << "";
    QTest::newRow("several: the first counts") << "window" << QStringList{"other", "music/b.wav"} << "other"
                                               << "";
    QTest::newRow("several, file first") << "DLB1" << QStringList{"music/a.wav", "other"} << "music"
                                         << "music/a.wav";
    QTest::newRow("not a local file first") << "window" << QStringList{"http://example.com/x.wav", "music"} << "here"
                                            << "";
    QTest::newRow("gone") << "window" << QStringList{"no such folder"} << "here"
                          << "";
    // clang-format on
}

void DropsTest::drop()
{
    QFETCH(QString, onto);
    QFETCH(QStringList, dropped);
    QFETCH(QString, opened);
    QFETCH(QString, selected);
    const QDir root(root_);
    QList<QUrl> urls;
    for (const QString& item : dropped)
        urls.append(item.startsWith(QLatin1String("http:")) ? QUrl(item) : QUrl::fromLocalFile(root.filePath(item)));
    QWidget* onto_ = target(onto);
    QVERIFY(onto_);
    sendDrop(onto_, urls);

    const QString folder = root.filePath(opened);
    QCOMPARE(form_->findChild<FolderList*>(QStringLiteral("DLB1"))->directory(), folder);
    QCOMPARE(form_->findChild<FileList*>(QStringLiteral("FLB1"))->directory(), folder);
    QCOMPARE(QDir::currentPath(), folder);
    auto* drives = form_->findChild<DriveSelector*>(QStringLiteral("DCB1"));
    QCOMPARE(drives->currentText(), drives->driveOf(folder));
    const QString expectedSelection = selected.isEmpty() ? QString() : root.filePath(selected);
    QCOMPARE(form_->findChild<FileList*>(QStringLiteral("FLB1"))->selectedPath(), expectedSelection);
    // A value field never takes the path as its text.
    QCOMPARE(form_->findChild<QLineEdit*>(QStringLiteral("E1"))->text(), QStringLiteral("90"));
}

void DropsTest::dragIsOfferedOnlyForLocalPaths()
{
    for (const auto& [url, accepted] :
         {std::pair{QUrl::fromLocalFile(root_), true}, std::pair{QUrl(QStringLiteral("http://example.com/")), false}}) {
        QMimeData data;
        data.setUrls({url});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(form_.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
    }
}

void DropsTest::dropDuringRunOpensFolderAndRunGoesOn()
{
    form_.reset();
    test::ConversionScene scene;
    scene.makeFolder(QStringLiteral("music"), {QStringLiteral("a.wav"), QStringLiteral("b.wav")});
    const QString other = QDir(scene.root.path()).filePath(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(other));
    QVERIFY(scene.openWindow());
    scene.whileRunning(QStringLiteral("normalize.exe"), [&] {
        QVERIFY(scene.form->conversionRunning());
        sendDrop(scene.form.get(), {QUrl::fromLocalFile(other)});
    });
    scene.press("B2");
    QTRY_VERIFY(scene.actionRan);
    QTRY_VERIFY(!scene.form->conversionRunning());
    QCOMPARE(scene.folderList()->directory(), QDir(other).canonicalPath());
    QCOMPARE(scene.workFiles(), (QStringList{"a.mp3", "b.mp3"}));
}

QTEST_MAIN(DropsTest)
#include "tst_drops.moc"
