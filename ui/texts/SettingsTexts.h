#pragma once

// The settings dialog's texts, its entry in the window's menu, and the status
// sentence of a failed save. UTF-8; the status sentence begins with one blank.

namespace marulo::SettingsTexts {

inline constexpr const char* DialogCaption = "設定";
inline constexpr const char* JobsLabel = "同時に変換するファイルの数";
// %1: the processor count.
inline constexpr const char* JobsHint = "( この PC のプロセッサ数 : %1 )";
inline constexpr const char* ExistingLabel = "変換後のファイルが既にある時";
// In the order of ExistingResults: overwrite, skip, number.
inline constexpr const char* ExistingItems[] = {
    "上書きする",
    "そのファイルは変換しない",
    "番号を付けて両方残す",
};
inline constexpr const char* RememberLabel = "前回開いていたフォルダで起動する";
inline constexpr const char* Ok = "OK";
inline constexpr const char* Cancel = "キャンセル";

// The entry in the menu of the window's free area.
inline constexpr const char* MenuEntry = "設定(&S)...";

inline constexpr const char* SaveFailed = " 設定ファイルを保存できませんでした。保存先のフォルダを確認して下さい。";

} // namespace marulo::SettingsTexts
