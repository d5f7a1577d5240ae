// A folder or file handed to the window from outside (the command line, or a
// later start of the program), and the notices it may leave in the status bar.
#include "ui/window/TForm1.h"

#include "ui/texts/NoticeTexts.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace marulo {

TForm1::LocationOutcome TForm1::openLocation(const QString& path) {
    const QFileInfo location(path);
    if (!location.exists() || !location.isReadable())
        return LocationOutcome::NotOpened;
    const QString folder = location.isDir() ? location.absoluteFilePath() : location.absolutePath();
    // The same step as a double click on that folder in the folder list; the
    // list refuses a folder the process cannot enter and stays where it is.
    ui.DLB1()->setDirectory(folder);
    if (ui.DLB1()->directory() != QDir::cleanPath(folder))
        return LocationOutcome::NotOpened;
    if (location.isDir())
        return LocationOutcome::Opened;
    const int row = int(ui.FLB1()->listedPaths().indexOf(QDir::cleanPath(location.absoluteFilePath())));
    if (row < 0)
        return LocationOutcome::FileNotListed;
    ui.FLB1()->selectItem(row);
    return LocationOutcome::Opened;
}

void TForm1::showNotice(const QString& text) {
    // Keep what the window's own rules last wrote (not an earlier notice), so
    // the notice can give way to it.
    if (notice_.isEmpty() || statusText() != notice_)
        textUnderNotice_ = statusText();
    notice_ = text;
    setStatusText(text);
}

void TForm1::withdrawNotice() {
    // A rule that wrote since has replaced the notice already.
    if (!notice_.isEmpty() && statusText() == notice_)
        setStatusText(textUnderNotice_);
    notice_.clear();
    textUnderNotice_.clear();
}

QString TForm1::noticeText(LocationOutcome outcome, const QString& path) {
    const char* text = outcome == LocationOutcome::NotOpened       ? NoticeTexts::CannotOpen
                       : outcome == LocationOutcome::FileNotListed ? NoticeTexts::FileNotListed
                                                                   : nullptr;
    return text ? QString::fromUtf8(text).arg(QDir::toNativeSeparators(path)) : QString();
}

} // namespace marulo
