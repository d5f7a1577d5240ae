#pragma once

// What the run machinery itself writes into the status bar, byte for byte,
// UTF-8; each begins with one blank like every sentence of the window. The
// reports at the end of a run are worded in launcher/ConversionMessages.cpp.
// Marked for translation in context "RunTexts"; the marked text is the source
// the translations look up, so it stays as it is.

#include <QtGlobal>

namespace marulo::RunTexts {

// Exit or closing the window while a conversion runs.
inline constexpr const char* CloseAfterRun =
    QT_TRANSLATE_NOOP("RunTexts", " 変換が終わり次第終了します。すぐに中止するには Esc キーを押して下さい。");

// The note the run log keeps for a file left alone because its result exists.
inline constexpr const char* SkippedNote = QT_TRANSLATE_NOOP("RunTexts", "skipped: the result is already there: ");

} // namespace marulo::RunTexts
