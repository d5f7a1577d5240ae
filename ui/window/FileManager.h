#pragma once

#include <QString>

#include <functional>

class QObject;

namespace marulo {

// Shows folder in the desktop's file manager without waiting for it. Where
// the desktop's opener is a program (xdg-open), its exit status says whether
// a file manager took the folder; onFailed is called from the event loop when
// none did, as long as owner exists. Elsewhere the desktop services answer at
// once, and onFailed is called before this returns.
void ShowInFileManager(const QString& folder, QObject* owner, const std::function<void()>& onFailed);

} // namespace marulo
