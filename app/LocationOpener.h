#pragma once

#include <QObject>
#include <QString>

namespace marulo {

class TForm1;

// Opens the folder or file a start names (this start's, or a later start's
// handed over) in the window. The window's first activation captures the tool
// folder from the folder list, so nothing is opened before that: a path that
// arrives earlier waits for it.
class LocationOpener : public QObject {
    Q_OBJECT

public:
    explicit LocationOpener(TForm1& window);

    // Empty path: nothing to open. Returns false when the path could not be
    // opened; that is reported on standard error and in the status bar.
    bool open(const QString& path);

private:
    bool openNow(const QString& path);

    TForm1& window_;
    QString waiting_;
};

} // namespace marulo
