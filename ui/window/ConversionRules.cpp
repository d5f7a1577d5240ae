#include "core/ConversionJob.h"
#include "core/FileOperations.h"
#include "launcher/ProcessRunner.h"
#include "ui/widgets/FileList.h"
#include "ui/window/FormConversionWindow.h"
#include "ui/window/TForm1.h"

#include <QEventLoop>
#include <QShortcut>

namespace marulo {

// A conversion runs inside its button's click rule: the press starts the run,
// which goes on from each converter's end, and a local event loop keeps the
// window answering until the run is over. A second press meanwhile is
// ignored; a close meanwhile is only noted (closeEvent) and carried out here,
// when every file is done.
void TForm1::runConversion(void (ConversionJob::*press)())
{
    if (conversionRunning_)
        return;
    // What an earlier run reported gives way to the text the rules wrote last.
    withdrawNotice();
    conversionRunning_ = true;
    {
        FormConversionWindow window(*this, ui);
        ProcessRunner runner(
            runLog_,
            [list = ui.FLB1()](const QString& path, std::optional<double> percent) {
                if (percent)
                    list->setProgress(path, *percent);
                else
                    list->clearProgress(path);
            },
            ToolFolder);
        LocalFileOperations files;
        // The run keeps the policy of its press.
        ConversionJob job(window, runner, files, heldOptions_, runPolicy_);
        QEventLoop loop;
        job.setOnFinished([&loop] { loop.quit(); });
        runningJob_ = &job;
        stopKey_->setEnabled(true);
        (job.*press)();
        heldOptions_ = job.options();
        if (!job.finished())
            loop.exec();
        // Only the application quitting ends the loop early: whatever still
        // runs is stopped, and the runner ends the rest when it goes.
        if (!job.finished())
            job.Stop();
        stopKey_->setEnabled(false);
        runningJob_ = nullptr;
    }
    conversionRunning_ = false;
    if (closeRequested_) {
        closeRequested_ = false;
        close();
    }
}

// Esc has no use in the window otherwise, so the key exists only while a
// conversion runs. As a shortcut of this window it never reaches past an open
// drop-down list, menu or message box, which take their own Esc first.
void TForm1::makeStopKey()
{
    stopKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopKey_->setContext(Qt::WindowShortcut);
    stopKey_->setEnabled(false);
    connect(stopKey_, &QShortcut::activated, this, &TForm1::stopConversion);
}

void TForm1::stopConversion()
{
    if (runningJob_)
        runningJob_->Stop();
}

void TForm1::B1Click()
{
    runConversion(&ConversionJob::ConvertSelectedFile);
}

void TForm1::B2Click()
{
    runConversion(&ConversionJob::ConvertListedFiles);
}

} // namespace marulo
