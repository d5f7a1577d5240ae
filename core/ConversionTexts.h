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

// More than one file of a press failed: how many, then the first of them.
// " 4 件中 2 件が失敗しました: lame.exe による b.wav の変換に失敗しました。"
inline std::string SomeFailed(int files, int failed, std::string_view converter, std::string_view fileName)
{
    std::string text = " ";
    text += std::to_string(files);
    text += " 件中 ";
    text += std::to_string(failed);
    text += " 件が失敗しました:";
    text += StepFailed(converter, fileName);
    return text;
}

// The user stopped the run (Esc): how far it came.
// " 変換を中止しました。4 件中 1 件を変換しました。"
// " 変換を中止しました。4 件中 1 件を変換し、2 件が失敗しました。"
inline std::string Stopped(int files, int converted, int failed)
{
    std::string text = " 変換を中止しました。";
    text += std::to_string(files);
    text += " 件中 ";
    text += std::to_string(converted);
    text += " 件を変換";
    if (failed > 0) {
        text += "し、";
        text += std::to_string(failed);
        text += " 件が失敗しました。";
    } else {
        text += "しました。";
    }
    return text;
}

// "Single Encode" left the file alone because its result is already there.
inline constexpr std::string_view ResultExists = " 変換先に同じ名前のファイルがあるため、変換しませんでした。";

// The measuring step of an album run, where the run log names a file.
inline constexpr std::string_view AlbumMeasure = "(アルバムの音量測定)";

// The album's loudness could not be measured: no file was normalised with a
// guessed gain, so none was converted.
inline constexpr std::string_view AlbumMeasureFailed = " アルバムの音量を測定できなかったため、変換しませんでした。";

} // namespace marulo::ConversionTexts
