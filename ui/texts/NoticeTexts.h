#pragma once

// Status texts for inputs the window's own controls do not give, such as a
// folder or file named on the command line. UTF-8, each beginning with one
// blank like every status text; "%1" is the path.
// Marked for translation in context "NoticeTexts"; the marked text is the source
// the translations look up, so it stays as it is.

#include <QtGlobal>

namespace marulo::NoticeTexts {

inline constexpr const char* CannotOpen = QT_TRANSLATE_NOOP("NoticeTexts", " \"%1\" を開けませんでした。");
inline constexpr const char* FileNotListed =
    QT_TRANSLATE_NOOP("NoticeTexts", " \"%1\" は 今のモードでは一覧に表示されないため、フォルダのみを開きました。");
// A conversion button pressed while a run goes on: the press does nothing.
inline constexpr const char* ConversionRunning =
    QT_TRANSLATE_NOOP("NoticeTexts", " 変換中です。中止するには Esc キーを押して下さい。");

} // namespace marulo::NoticeTexts
