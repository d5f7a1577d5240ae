#pragma once

// Every sentence the window writes into its status bar, byte for byte, UTF-8.
// Each begins with one blank; the double quotes inside belong to the texts.
// Near-duplicates differ on purpose (a blank, "見つかりません" against
// "見つかりませんでした", "aoTuv" against "aoTuV"): keep them apart.
// Marked for translation in context "StatusTexts"; the marked text is the source
// the translations look up, so it stays as it is.

#include <QtGlobal>

namespace marulo::StatusTexts {

// Start-up check, and the WAV and MP3 rows of the mode check.
inline constexpr const char* NormalizeNotFound =
    QT_TRANSLATE_NOOP("StatusTexts", " Normalize.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline constexpr const char* LameNotFound =
    QT_TRANSLATE_NOOP("StatusTexts", " lame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline constexpr const char* LameEncoding =
    QT_TRANSLATE_NOOP("StatusTexts", " lame.exe を用いたエンコードです。上限は\"320\"までです。");

// Choosing a mode: the converter found, or not found.
inline constexpr const char* ToolameEncoding =
    QT_TRANSLATE_NOOP("StatusTexts", " toolame.exe を用いたエンコードです。上限は\"384\"までです。");
inline constexpr const char* ToolameNotFound =
    QT_TRANSLATE_NOOP("StatusTexts", " toolame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline constexpr const char* OggencEncoding =
    QT_TRANSLATE_NOOP("StatusTexts", " aoTuV ( oggenc.exe ) を用いたエンコードです。音質の追求中なので期待！");
inline constexpr const char* OggencNotFound =
    QT_TRANSLATE_NOOP("StatusTexts", " aoTuV ( oggenc.exe ) が 起動フォルダ内に見つかりません。確認をして下さい。");
inline constexpr const char* AacencModeVbr = QT_TRANSLATE_NOOP(
    "StatusTexts", " aacenc.exe を用いた 可変ビットレートによるエンコードです。上限は\"512\"までです。");
inline constexpr const char* AacencModeAverage = QT_TRANSLATE_NOOP(
    "StatusTexts", " aacenc.exe を用いた 平均ビットレートによるエンコードです。 上限は\"512\"までです。");
inline constexpr const char* AacencNotFound =
    QT_TRANSLATE_NOOP("StatusTexts", " aacenc.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline constexpr const char* FlacEncoding =
    QT_TRANSLATE_NOOP("StatusTexts", " flac.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]");
inline constexpr const char* FlacNotFound =
    QT_TRANSLATE_NOOP("StatusTexts", " flac.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline constexpr const char* TtaencEncoding =
    QT_TRANSLATE_NOOP("StatusTexts", " ttaenc.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]");
inline constexpr const char* TtaencNotFound =
    QT_TRANSLATE_NOOP("StatusTexts", " ttaenc.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline constexpr const char* NormalizeOnly =
    QT_TRANSLATE_NOOP("StatusTexts", " Normalize.exe を用い、正規化のみを行います。");

// The rate-control boxes "VBR" and "ABR".
inline constexpr const char* LameVbr =
    QT_TRANSLATE_NOOP("StatusTexts", " lame.exe を用いた 可変ビットレートによるエンコードです。");
inline constexpr const char* LameAbr = QT_TRANSLATE_NOOP(
    "StatusTexts", " lame.exe を用いた 平均ビットレートによるエンコードです。上限は\"320\"までです。");
inline constexpr const char* LameConstant = QT_TRANSLATE_NOOP(
    "StatusTexts", " lame.exe を用いた 固定ビットレートによるエンコードです。上限は\"320\"までです。");
inline constexpr const char* OggencVbr =
    QT_TRANSLATE_NOOP("StatusTexts", " aoTuV ( oggenc.exe ) を用いた 可変ビットレートによるエンコードです。推薦！");
inline constexpr const char* OggencAbr = QT_TRANSLATE_NOOP(
    "StatusTexts", " aoTuV ( oggenc.exe ) を用いた 平均ビットレートによるエンコードです。上限は\"448\"です。");
inline constexpr const char* OggencConstant = QT_TRANSLATE_NOOP(
    "StatusTexts", " aoTuV ( oggenc.exe ) を用いた 固定ビットレートによるエンコードです。上限は\"448\"です。");
inline constexpr const char* AacencVbr =
    QT_TRANSLATE_NOOP("StatusTexts", " aacenc.exe を用いた 可変ビットレートによるエンコードです。");
inline constexpr const char* AacencAverage = QT_TRANSLATE_NOOP(
    "StatusTexts", " aacenc.exe を用いた 平均ビットレートによるエンコードです。上限は\"512\"までです。");

// Decode mode: entering it, and the OGG text on leaving it.
inline constexpr const char* DecodeMpx =
    QT_TRANSLATE_NOOP("StatusTexts", " lame.exe を用い、MP1/MP2/MP3 形式のファイル を WAV ファイル に変換します。");
inline constexpr const char* DecodeFlac =
    QT_TRANSLATE_NOOP("StatusTexts", " flac.exe を用い、FLAC 形式のファイル を WAV ファイル に変換します。");
inline constexpr const char* DecodeTta =
    QT_TRANSLATE_NOOP("StatusTexts", " ttaenc.exe を用い、TTA 形式のファイル を WAV ファイル に変換します。");
inline constexpr const char* OggencRecommendVbr =
    QT_TRANSLATE_NOOP("StatusTexts", " aoTuv ( oggenc.exe ) を用いたエンコードです。 [ 推薦モードは \" VBR \" ]");

} // namespace marulo::StatusTexts
