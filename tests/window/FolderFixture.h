#pragma once

#include "ui/window/TForm1.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace marulo::test {

// What the window tests over a temporary folder hold from init() to
// cleanup(): the folder, the window, and the current folder to go back to.
// A test class derives from it after QObject.
class FolderFixture {
protected:
    // Keeps the current folder and makes a fresh temporary one; call first in
    // init() and return when QTest::currentTestFailed().
    void makeRoot()
    {
        startFolder_ = QDir::currentPath();
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // The physical path: the process's current folder is reported without links.
        root_ = QDir(dir_->path()).canonicalPath();
    }

    // A file below the root, holding the given bytes.
    void touch(const QString& relative, const QByteArray& contents = {})
    {
        QFile file(QDir(root_).filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    // For cleanup(): the window goes before the folder it shows.
    void takeDown()
    {
        form_.reset();
        QDir::setCurrent(startFolder_);
        dir_.reset();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<marulo::TForm1> form_;
    QString root_;
    QString startFolder_;
};

} // namespace marulo::test
