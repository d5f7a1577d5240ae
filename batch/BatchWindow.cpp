#include "batch/BatchWindow.h"

namespace marulo {

BatchWindow::BatchWindow(const BatchSettings& settings, std::string folder, std::vector<std::string> paths,
                         SkipNoted skipped)
    : settings_(settings),
      folder_(std::move(folder)),
      paths_(std::move(paths)),
      skipped_(std::move(skipped))
{
}

void BatchWindow::NoteSkipped(const std::string& inputName, const std::string& existingResult)
{
    if (skipped_)
        skipped_(inputName, existingResult);
}

} // namespace marulo
