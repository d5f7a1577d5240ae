// A folder or file handed to the window from outside (the command line, or a
// later start of the program), and the notices it may leave in the status bar.
#include "ui/window/TForm1.h"

#include "launcher/Translation.h"
#include "ui/texts/NoticeTexts.h"
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace marulo {

void TForm1::showNotice(const QString& text)
{
    // Keep what the window's own rules last wrote (not an earlier notice), so
    // the notice can give way to it.
    if (notice_.isEmpty() || statusText() != notice_)
        textUnderNotice_ = statusText();
    notice_ = text;
    setStatusText(text);
}

void TForm1::withdrawNotice()
{
    // A rule that wrote since has replaced the notice already.
    if (!notice_.isEmpty() && statusText() == notice_)
        setStatusText(textUnderNotice_);
    notice_.clear();
    textUnderNotice_.clear();
}

QString TForm1::noticeText(OpenResult outcome, const QString& path)
{
    const char* text = outcome == OpenResult::Failed         ? NoticeTexts::CannotOpen
                       : outcome == OpenResult::FileNotShown ? NoticeTexts::FileNotListed
                                                             : nullptr;
    return text ? Translated("NoticeTexts", text).arg(QDir::toNativeSeparators(path)) : QString();
}

} // namespace marulo
