#pragma once

#include <string>
#include <string_view>

// The status sentences of the two conversion buttons, UTF-8, byte for byte.
// Each begins with one blank, like every sentence of the window.

namespace marulo::ConversionTexts {

inline constexpr std::string_view NoFileSelected =
    " ファイルが選択されていません。ファイル一覧より変換ファイルを選択して下さい。";
inline constexpr std::string_view NoFileInFolder = " フォルダ内に有効なファイルがありません。*.wav ";

// " lame.exe による song.wav の変換に失敗しました。"
inline std::string StepFailed(std::string_view converter, std::string_view fileName)
{
    std::string text = " ";
    text += converter;
    text += " による ";
    text += fileName;
    text += " の変換に失敗しました。";
    return text;
}

} // namespace marulo::ConversionTexts
