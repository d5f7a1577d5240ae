#include "core/ConversionJob.h"
#include "core/FileOperations.h"
#include "ui/FormConversionWindow.h"
#include "ui/TForm1.h"
#include "ui/ToolLauncher.h"

namespace marulo {

namespace {

// The options of the last press stay with the window: a press in mode WAV
// builds no encoder prefix and keeps the one before.
class HeldOptions : public QObject {
public:
    using QObject::QObject;
    EncoderOptions options;
};

EncoderOptions& HeldOptionsOf(TForm1& form)
{
    static const QString Name = QStringLiteral("HeldEncoderOptions");
    for (QObject* child : form.children()) {
        if (auto* held = dynamic_cast<HeldOptions*>(child))
            return held->options;
    }
    auto* held = new HeldOptions(&form);
    held->setObjectName(Name);
    return held->options;
}

// A conversion runs inside its button's click rule, converters one after
// another, while the window keeps answering. A second press meanwhile is
// ignored; a close meanwhile is only noted (closeEvent) and carried out here,
// when every file is done.
template <typename Press>
void RunConversion(TForm1& form, const Controls& ui, bool& running, bool& closeRequested, Press press)
{
    if (running)
        return;
    running = true;
    {
        FormConversionWindow window(form, ui);
        ToolLauncher launcher;
        LocalFileOperations files;
        ConversionJob job(window, launcher, files, HeldOptionsOf(form));
        press(job);
    }
    running = false;
    if (closeRequested) {
        closeRequested = false;
        form.close();
    }
}

} // namespace

void TForm1::B1Click()
{
    RunConversion(*this, ui, conversionRunning_, closeRequested_, [](ConversionJob& job) { job.B1Click(); });
}

void TForm1::B2Click()
{
    RunConversion(*this, ui, conversionRunning_, closeRequested_, [](ConversionJob& job) { job.B2Click(); });
}

} // namespace marulo
