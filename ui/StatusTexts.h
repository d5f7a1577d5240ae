#pragma once

// Every sentence the window writes into its status bar, byte for byte, UTF-8.
// Each begins with one blank; the double quotes inside belong to the texts.

namespace marulo::StatusTexts {

inline constexpr const char* NormalizeNotFound = " Normalize.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。";
inline constexpr const char* LameNotFound = " lame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。";
inline constexpr const char* LameEncoding = " lame.exe を用いたエンコードです。上限は\"320\"までです。";

} // namespace marulo::StatusTexts
