#pragma once

// The fixed texts of the log window, UTF-8. The outcomes themselves come
// from the run as it wrote them.

namespace marulo::LogTexts {

inline constexpr const char* WindowTitle = "変換ログ";
inline constexpr const char* CopyButton = "ログをコピー";
inline constexpr const char* CopyHint = "ログ全体をテキストとしてクリップボードにコピーします。";

// Column headers, left to right.
inline constexpr const char* ColumnTime = "時刻";
inline constexpr const char* ColumnNumber = "番号";
inline constexpr const char* ColumnFile = "ファイル";
inline constexpr const char* ColumnConverter = "変換ソフト";
inline constexpr const char* ColumnOutcome = "結果";

// A running step: "変換中" alone until the converter reports its share,
// then followed by it ("変換中 37.5%").
inline constexpr const char* Running = "変換中";

// The detail pane under the list, for the chosen step.
inline constexpr const char* DetailCommand = "コマンド : ";
inline constexpr const char* DetailProgram = "実行ファイル : ";
inline constexpr const char* DetailProgramNotFound = "実行ファイル : 見つかりませんでした";
inline constexpr const char* DetailOutput = "変換ソフトの最後の出力 :";

} // namespace marulo::LogTexts
