#pragma once

// The fixed texts and fonts of the main window, byte for byte, UTF-8: window
// caption, control captions, list items and hints. The status sentences live
// in ui/texts/StatusTexts.h.
// The Japanese texts are marked for translation in context "FormTexts". The
// window caption, the application title, the font and the captions that are
// English already are left unmarked: they read the same in every language.

#include "core/EncodeMode.h"
#include "ui/controls/ControlNames.h"

#include <iterator>

#include <QtGlobal>

namespace marulo::FormTexts {

// A leading blank, and an ideographic space (U+3000) between "Encoder" and "Ver".
inline constexpr const char* WindowCaption = " Marulo Encoder\u3000Ver 1.3a";
inline constexpr const char* ApplicationTitle = "Marulo Ver 1.3a";

// Drawn with IPA P Gothic where the window's own font is not installed.
inline constexpr const char* FontFamily = "ＭＳ Ｐゴシック";
inline constexpr const char* FontSubstitute = "IPAPGothic";
// The substitute's Latin letters run about a tenth wider than the window's
// font, whose widths the control sizes were made for.
inline constexpr int FontStretch = 90;
inline constexpr int WindowFontPixels = 12;

// "MPx -> WAV" and its hint stand at the start and come back with every mode
// that decodes with lame.exe.
inline constexpr const char* MpxDecodeCaption = "MPx -> WAV";
inline constexpr const char* LameDecodeHint =
    QT_TRANSLATE_NOOP("FormTexts", "LAME を用いて MP1/MP2/MP3 -> WAV に変換します。");

struct Caption {
    Ctl control;
    const char* text;
};

// Check boxes, radio buttons, labels, buttons and group captions.
inline constexpr Caption Captions[] = {
    {Ctl::RG1, " Encode Mode "},
    {Ctl::GB1, " Channel Mode "},
    {Ctl::RB1, "Mono"},
    {Ctl::RB2, "Stereo"},
    {Ctl::RB3, "Dual Channel"},
    {Ctl::RB4, "Joint Stereo"},
    {Ctl::CB0, MpxDecodeCaption},
    {Ctl::CB1, "New (VBR)"},
    {Ctl::CB2, "VBR"},
    {Ctl::CB3, "ABR"},
    {Ctl::CB4, "Normalize"},
    {Ctl::CB5, "Error Protection"},
    {Ctl::CB6, "TMP File Delete"},
    {Ctl::CB8, "Bitrate Set (F)"},
    {Ctl::CB9, "2CH -> 1CH"},
    {Ctl::LT1, "Bitrate"},
    {Ctl::LT2, "Bitrate (Max)"},
    {Ctl::LT3, "Bitrate (Min)"},
    {Ctl::LT4, "Quality (V/q)"},
    {Ctl::LT5, "Compression"},
    {Ctl::B1, "Single Encode"},
    {Ctl::B2, "ALL Encode"},
    {Ctl::B3, "Exit"},
};

inline constexpr const char* ModeItems[] = {"MP3", "MP2", "OGG", "AAC", "FLAC", "TTA", "WAV"};
static_assert(std::size(ModeItems) == EncodeModeCount);

// Editable combo boxes: starting text, maximum length (0: none), list items.
struct ComboDefault {
    Ctl control;
    const char* text;
    int maxLength;
    const char* items; // separated by '|'
};

inline constexpr ComboDefault Combos[] = {
    {Ctl::ComB1, "128", 3, "32|40|48|56|64|80|96|112|128|160|192|224|256|320|384|448|512"},
    {Ctl::ComB2, "320", 3, "224|256|320|384|448|512"},
    {Ctl::ComB3, "64", 3, "32|40|48|56|64|80|96"},
    {Ctl::ComB4, "normal", 0, "tape|radio|internet|streaming|normal|extreme|archive|ultra"},
    {Ctl::ComB6, "4.00", 4, "0.00|1.00|2.00|3.00|4.00|5.00|6.00|7.00|8.00|9.00|10"},
};

// Edit fields with their spin buttons: starting text, maximum length, spin range.
struct FieldDefault {
    Ctl field;
    Ctl spin;
    const char* text;
    int maxLength;
    int minimum;
    int maximum;
};

inline constexpr FieldDefault Fields[] = {
    {Ctl::E1, Ctl::UD1, "90", 3, 0, 100},
    {Ctl::E2, Ctl::UD2, "8", 1, 0, 8},
    {Ctl::E3, Ctl::UD3, "4", 1, 0, 9},
    {Ctl::E4, Ctl::UD4, "2", 1, 0, 9},
};

// What the file list shows: WAV files to encode, or the files a mode decodes.
inline constexpr const char* EncodeMask = "*.wav";

// The label of "Quality", the decode box and its hint as the modes set them
// (ui/rules/ModeTables.h).
inline constexpr const char* QualityLabel = "Quality";
inline constexpr const char* QualityLabelMp3 = "Quality(V/q)";
inline constexpr const char* FlacDecodeCaption = "FLAC -> WAV";
inline constexpr const char* FlacDecodeHint =
    QT_TRANSLATE_NOOP("FormTexts", "flac.exe を用いて FLAC -> WAV に変換します。");
inline constexpr const char* TtaDecodeCaption = "TTA -> WAV";
inline constexpr const char* TtaDecodeHint =
    QT_TRANSLATE_NOOP("FormTexts", "ttaenc.exe を用いて TTA -> WAV に変換します。");

// The box that tells the user a value field holds no number.
inline constexpr const char* NotANumber = QT_TRANSLATE_NOOP("FormTexts", "\"%1\" は数値ではありません。");

struct Hint {
    Ctl control;
    const char* text;
};

inline constexpr Hint Hints[] = {
    {Ctl::RG1, QT_TRANSLATE_NOOP("FormTexts", "エンコードモードの選択")},
    {Ctl::GB1, QT_TRANSLATE_NOOP("FormTexts", "チャンネルモードの設定")},
    {Ctl::RB1, QT_TRANSLATE_NOOP("FormTexts", "モノラル")},
    {Ctl::RB2, QT_TRANSLATE_NOOP("FormTexts", "ステレオ")},
    {Ctl::RB3, QT_TRANSLATE_NOOP("FormTexts", "デュアルチャンネル")},
    {Ctl::RB4, QT_TRANSLATE_NOOP("FormTexts", "ジョイントステレオ")},
    {Ctl::CB0, LameDecodeHint},
    {Ctl::CB6, QT_TRANSLATE_NOOP("FormTexts", "中間ファイルを削除します。")},
    {Ctl::CB2, QT_TRANSLATE_NOOP("FormTexts", "可変ビットレートモードでエンコード")},
    {Ctl::CB3, QT_TRANSLATE_NOOP("FormTexts", "平均ビットレートモードでエンコード")},
    {Ctl::CB1, QT_TRANSLATE_NOOP("FormTexts", "VBR ： 高速エンコード処理設定。")},
    {Ctl::CB8, QT_TRANSLATE_NOOP("FormTexts", "最大＆最小ビットレートの範囲指定が出来ます。")},
    {Ctl::CB5, QT_TRANSLATE_NOOP("FormTexts", "エラープロテクションの使用")},
    {Ctl::CB9, QT_TRANSLATE_NOOP("FormTexts", "2CH -> 1CH [ ダウンミックスにてモノラル ]  に変換します。")},
    {Ctl::CB4, QT_TRANSLATE_NOOP("FormTexts", "正規化")},
    {Ctl::E1, QT_TRANSLATE_NOOP("FormTexts", "正規化： ％ 設定")},
    {Ctl::E2, QT_TRANSLATE_NOOP("FormTexts", "圧縮レベル設定 ： ０ ( 低圧縮／高速 ) ～ ９ ( 高圧縮／低速 )")},
    {Ctl::E3, QT_TRANSLATE_NOOP("FormTexts", "VBR 音質設定 ： ０ ( 高音質／大容量 ) ～ ９ ( 低音質／小容量 )")},
    {Ctl::E4, QT_TRANSLATE_NOOP("FormTexts", "音質精度設定 ： ０ ( 高精度／低速 ) ～ ９ ( 低精度／高速 )")},
    {Ctl::ComB6,
     QT_TRANSLATE_NOOP("FormTexts", "VBR 音質設定 ：  ０ ( 低音質 / 小容量 )  ～  １０ ( 高音質 / 大容量 )")},
    {Ctl::ComB4, QT_TRANSLATE_NOOP("FormTexts", "VBR 音質自動設定")},
    {Ctl::ComB1, QT_TRANSLATE_NOOP("FormTexts", "CBR＆ABR(平均)の設定")},
    {Ctl::ComB2, QT_TRANSLATE_NOOP("FormTexts", "最大ビットレートの設定")},
    {Ctl::ComB3, QT_TRANSLATE_NOOP("FormTexts", "最小ビットレートの設定")},
    {Ctl::DCB1, QT_TRANSLATE_NOOP("FormTexts", "ドライブの選択")},
    {Ctl::DLB1, QT_TRANSLATE_NOOP("FormTexts", "フォルダの選択")},
    {Ctl::FLB1, QT_TRANSLATE_NOOP("FormTexts", "変換ファイルを１ファイル選択出来ます。")},
    {Ctl::B1, QT_TRANSLATE_NOOP("FormTexts", "指定ファイルをエンコードします。")},
    {Ctl::B2, QT_TRANSLATE_NOOP("FormTexts", "指定フォルダ内ファイルをエンコードします。")},
    {Ctl::B3, QT_TRANSLATE_NOOP("FormTexts", "作業終了")},
    {Ctl::SB1, QT_TRANSLATE_NOOP("FormTexts", "Encode Mode 設定時にメッセージを表示。")},
};

// Controls whose font differs from the window's: pixel height, bold red or not.
struct FontRow {
    Ctl control;
    int pixels;
    bool boldRed;
};

inline constexpr FontRow Fonts[] = {
    {Ctl::ComB1, 15, true}, {Ctl::ComB2, 15, true}, {Ctl::ComB3, 15, true}, {Ctl::ComB4, 15, true},
    {Ctl::ComB6, 15, true}, {Ctl::E1, 15, true},    {Ctl::E2, 15, true},    {Ctl::E3, 15, true},
    {Ctl::E4, 15, true},    {Ctl::B1, 12, false},   {Ctl::B2, 13, false},   {Ctl::B3, 16, false},
};

} // namespace marulo::FormTexts
