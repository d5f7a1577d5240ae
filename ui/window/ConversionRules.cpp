#include "core/ConversionJob.h"
#include "core/FileOperations.h"
#include "ui/window/FormConversionWindow.h"
#include "ui/window/TForm1.h"
#include "launcher/ToolLauncher.h"

namespace marulo {

// A conversion runs inside its button's click rule, converters one after
// another, while the window keeps answering. A second press meanwhile is
// ignored; a close meanwhile is only noted (closeEvent) and carried out here,
// when every file is done.
void TForm1::runConversion(void (ConversionJob::*press)())
{
    if (conversionRunning_)
        return;
    withdrawNotice();
    conversionRunning_ = true;
    {
        FormConversionWindow window(*this, ui);
        ToolLauncher launcher;
        LocalFileOperations files;
        ConversionJob job(window, launcher, files, heldOptions_);
        (job.*press)();
    }
    conversionRunning_ = false;
    if (closeRequested_) {
        closeRequested_ = false;
        close();
    }
}

void TForm1::B1Click() { runConversion(&ConversionJob::ConvertSelectedFile); }

void TForm1::B2Click() { runConversion(&ConversionJob::ConvertListedFiles); }

} // namespace marulo
