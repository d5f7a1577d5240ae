#pragma once

// The fixed texts of the log window, UTF-8. The outcomes themselves come
// from the run as it wrote them.
// Marked for translation in context "LogTexts"; the marked text is the source
// the translations look up, so it stays as it is.

#include <QtGlobal>

namespace marulo::LogTexts {

inline constexpr const char* WindowTitle = QT_TRANSLATE_NOOP("LogTexts", "変換ログ");
inline constexpr const char* CopyButton = QT_TRANSLATE_NOOP("LogTexts", "ログをコピー");
inline constexpr const char* CopyHint =
    QT_TRANSLATE_NOOP("LogTexts", "ログ全体をテキストとしてクリップボードにコピーします。");

// Column headers, left to right.
inline constexpr const char* ColumnTime = QT_TRANSLATE_NOOP("LogTexts", "時刻");
inline constexpr const char* ColumnNumber = QT_TRANSLATE_NOOP("LogTexts", "番号");
inline constexpr const char* ColumnFile = QT_TRANSLATE_NOOP("LogTexts", "ファイル");
inline constexpr const char* ColumnConverter = QT_TRANSLATE_NOOP("LogTexts", "変換ソフト");
inline constexpr const char* ColumnOutcome = QT_TRANSLATE_NOOP("LogTexts", "結果");

// A running step: "変換中" alone until the converter reports its share,
// then followed by it ("変換中 37.5%").
inline constexpr const char* Running = QT_TRANSLATE_NOOP("LogTexts", "変換中");

// The detail pane under the list, for the chosen step.
inline constexpr const char* DetailCommand = QT_TRANSLATE_NOOP("LogTexts", "コマンド : ");
inline constexpr const char* DetailProgram = QT_TRANSLATE_NOOP("LogTexts", "実行ファイル : ");
inline constexpr const char* DetailProgramNotFound =
    QT_TRANSLATE_NOOP("LogTexts", "実行ファイル : 見つかりませんでした");
inline constexpr const char* DetailOutput = QT_TRANSLATE_NOOP("LogTexts", "変換ソフトの最後の出力 :");

} // namespace marulo::LogTexts
