// Times one "ALL Encode" press over a folder, through the window (offscreen)
// with the converter bridge beside this program, and prints the seconds.
//   bench_allencode FOLDER [MODE] [normalize] [jobs=N] [loudness|album]
// MODE is the encode-mode index (0 = MP3, the default). Normalising is off
// unless asked for, so the press does exactly the work of one encoder call
// per file and can be compared with the encoder called directly. jobs=N
// converts N files at once, as a settings file asking for N would. loudness
// or album normalise to -16 LUFS per file or per album; album prints a second
// line, the seconds of the measuring step before the first file.
#include "ui/widgets/FileList.h"
#include "ui/widgets/FolderList.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/window/TForm1.h"

#include "launcher/RunLog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

using namespace marulo;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_allencode FOLDER [MODE] [normalize] [jobs=N] [loudness|album]\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath();
    const int mode = args.size() > 2 ? args[2].toInt() : 0;
    const bool normalize = args.contains("normalize");
    RunPolicy policy;
    for (const QString& arg : args)
        if (arg.startsWith(QLatin1String("jobs=")))
            policy.jobs = arg.mid(5).toInt();
    if (args.contains("loudness"))
        policy.loudness.method = NormalizeMethod::Loudness;
    if (args.contains("album"))
        policy.loudness.method = NormalizeMethod::Album;

    TForm1 form;
    form.setRunPolicy(policy);
    form.show();
    form.findChild<RadioGroup*>("RG1")->setItemIndex(mode);
    form.findChild<QCheckBox*>("CB4")->setChecked(normalize);
    form.findChild<FolderList*>("DLB1")->setDirectory(folder);
    auto* files = form.findChild<FileList*>("FLB1");
    if (files->directory() != folder || files->listedPaths().isEmpty()) {
        std::fprintf(stderr, "bench_allencode: no WAV file listed in %s\n", qUtf8Printable(folder));
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    form.B2Click();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%.3f\n", seconds);
    // The measuring step is the log's first entry; the first file starts as it ends.
    const auto& entries = form.runLog().entries();
    if (policy.loudness.method == NormalizeMethod::Album && entries.size() > 1)
        std::printf("%.3f\n", double(entries[0].started.msecsTo(entries[1].started)) / 1e3);
    return 0;
}
