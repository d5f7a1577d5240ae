#pragma once

#include "tests/support/StandinLog.h"

#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/window/TForm1.h"

#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace marulo::test {

// A real window over a folder of its own, with the stand-in converters found
// beside the test program and recording into a log of this scene.
class ConversionScene {
public:
    ConversionScene()
    {
        for (const char* name :
             {"MARULO_STANDIN_SLEEP_MS", "MARULO_STANDIN_GATE", "MARULO_STANDIN_FAIL", "MARULO_STANDIN_FAIL_MATCH",
              "MARULO_STANDIN_CRASH", "MARULO_STANDIN_CHATTER", "MARULO_STANDIN_PROGRESS", "MARULO_STANDIN_PARTIAL",
              "MARULO_STANDIN_TERM", "MARULO_STANDIN_CHILD", "MARULO_STANDIN_FAULT", "MARULO_STANDIN_MATCH",
              "MARULO_STANDIN_MEASURE"})
            qunsetenv(name);
        log = root.filePath("standin.log");
        gate = root.filePath("gate");
        qputenv("MARULO_STANDIN_LOG", log.toUtf8());
    }

    // Makes the folder and its files, each with contents of its own.
    QString makeFolder(const QString& name, const QStringList& files)
    {
        folder = root.filePath(name);
        QDir().mkpath(folder);
        for (const QString& file : files) {
            const QByteArray bytes = "RIFF-" + file.toUtf8() + "-WAVEdata";
            QFile out(QDir(folder).filePath(file));
            if (out.open(QIODevice::WriteOnly))
                out.write(bytes);
            inputs[file] = bytes;
        }
        return folder;
    }

    bool openWindow()
    {
        form = std::make_unique<TForm1>();
        form->show();
        // The first activation writes the tool check into the status bar; let
        // it pass before anything is pressed.
        if (!QTest::qWaitForWindowActive(form.get()))
            return false;
        folderList()->setDirectory(folder);
        return fileList()->directory() == folder;
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        return form->findChild<T*>(QLatin1String(name));
    }
    FolderList* folderList() const { return control<FolderList>("DLB1"); }
    FileList* fileList() const { return control<FileList>("FLB1"); }

    void select(const QString& file)
    {
        const int index = int(fileList()->listedPaths().indexOf(QDir(folder).filePath(file)));
        fileList()->selectItem(index);
    }

    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    QList<StandinRun> runs() const { return ReadStandinLog(log); }
    QStringList converters() const
    {
        QStringList names;
        for (const StandinRun& run : runs())
            names << run.name;
        return names;
    }

    bool hasStarted(const QString& converter, int count = 1) const
    {
        int started = 0;
        for (const StandinRun& run : runs())
            started += run.name == converter;
        return started >= count;
    }

    // The files in the work folder, sorted; "(none)" when it was never made.
    QStringList workFiles() const
    {
        const QDir work(QDir(folder).filePath("Zorvik"));
        if (!work.exists())
            return {"(none)"};
        return work.entryList(QDir::Files, QDir::Name);
    }

    QString workFile(const QString& name) const { return QDir(folder).filePath("Zorvik/" + name); }

    bool inputsUnchanged() const
    {
        for (auto it = inputs.begin(); it != inputs.end(); ++it) {
            QFile file(QDir(folder).filePath(it.key()));
            if (file.exists() && (!file.open(QIODevice::ReadOnly) || file.readAll() != it.value()))
                return false;
        }
        return true;
    }

    // Holds every run of converter until `action` has run inside the
    // conversion, while that converter is running. The press that follows
    // carries the window's events, and with them this watch.
    void whileRunning(const QString& converter, std::function<void()> action, int count = 1)
    {
        qputenv("MARULO_STANDIN_GATE", (converter + '=' + gate).toUtf8());
        auto* watch = new QTimer(form.get());
        watch->setInterval(5);
        QObject::connect(watch, &QTimer::timeout, form.get(), [this, watch, converter, action, count] {
            if (!hasStarted(converter, count))
                return;
            watch->stop();
            actionRan = true;
            action();
            QFile file(gate);
            file.open(QIODevice::WriteOnly);
        });
        watch->start();
    }

    // Presses Exit while the converter runs, noting whether the window still
    // shows right after the press.
    void exitWhileRunning(const QString& converter)
    {
        whileRunning(converter, [this] {
            press("B3");
            visibleAfterExit = form->isVisible();
        });
    }

    // Runs `action` inside the conversion once the stand-ins' log satisfies
    // `ready`, without holding any converter.
    void when(std::function<bool(const QList<StandinRun>&)> ready, std::function<void()> action)
    {
        auto* watch = new QTimer(form.get());
        watch->setInterval(5);
        QObject::connect(watch, &QTimer::timeout, form.get(), [this, watch, ready, action] {
            if (!ready(runs()))
                return;
            watch->stop();
            actionRan = true;
            action();
        });
        watch->start();
    }

    // The run of that converter whose arguments hold `text`; null if none started.
    static const StandinRun* find(const QList<StandinRun>& runs, const QString& converter, const QString& text)
    {
        for (const StandinRun& run : runs)
            if (run.name == converter && run.args.join(' ').contains(text))
                return &run;
        return nullptr;
    }

    QTemporaryDir root;
    QString folder;
    QString log;
    QString gate;
    QMap<QString, QByteArray> inputs;
    std::unique_ptr<TForm1> form;
    bool actionRan = false;
    bool visibleAfterExit = false;
};

} // namespace marulo::test
