#pragma once

// The fixed texts and fonts of the main window, byte for byte, UTF-8: window
// caption, control captions, list items and hints. The status sentences live
// in ui/StatusTexts.h.

namespace marulo::FormTexts {

// A leading blank, and an ideographic space (U+3000) between "Encoder" and "Ver".
inline constexpr const char* WindowCaption = " Marulo Encoder\u3000Ver 1.3a";
inline constexpr const char* ApplicationTitle = "Marulo Ver 1.3a";

// Drawn with IPA P Gothic where the design's font is not installed.
inline constexpr const char* FontFamily = "ＭＳ Ｐゴシック";
inline constexpr const char* FontSubstitute = "IPAPGothic";
// The substitute's Latin letters run about a tenth wider than the design's
// font, whose widths the control sizes were made for.
inline constexpr int FontStretch = 90;
inline constexpr int WindowFontPixels = 12;
inline constexpr int ValueFontPixels = 15;

struct Caption {
    const char* control;
    const char* text;
};

// Check boxes, radio buttons, labels, buttons and group captions.
inline constexpr Caption Captions[] = {
    {"RG1", " Encode Mode "},
    {"GB1", " Channel Mode "},
    {"RB1", "Mono"},
    {"RB2", "Stereo"},
    {"RB3", "Dual Channel"},
    {"RB4", "Joint Stereo"},
    {"CB0", "MPx -> WAV"},
    {"CB1", "New (VBR)"},
    {"CB2", "VBR"},
    {"CB3", "ABR"},
    {"CB4", "Normalize"},
    {"CB5", "Error Protection"},
    {"CB6", "TMP File Delete"},
    {"CB8", "Bitrate Set (F)"},
    {"CB9", "2CH -> 1CH"},
    {"LT1", "Bitrate"},
    {"LT2", "Bitrate (Max)"},
    {"LT3", "Bitrate (Min)"},
    {"LT4", "Quality (V/q)"},
    {"LT5", "Compression"},
    {"B1", "Single Encode"},
    {"B2", "ALL Encode"},
    {"B3", "Exit"},
};

inline constexpr const char* ModeItems[] = {"MP3", "MP2", "OGG", "AAC", "FLAC", "TTA", "WAV"};

// Editable combo boxes: starting text, maximum length (0: none), list items.
struct ComboDefault {
    const char* control;
    const char* text;
    int maxLength;
    const char* items; // separated by '|'
};

inline constexpr ComboDefault Combos[] = {
    {"ComB1", "128", 3, "32|40|48|56|64|80|96|112|128|160|192|224|256|320|384|448|512"},
    {"ComB2", "320", 3, "224|256|320|384|448|512"},
    {"ComB3", "64", 3, "32|40|48|56|64|80|96"},
    {"ComB4", "normal", 0, "tape|radio|internet|streaming|normal|extreme|archive|ultra"},
    {"ComB6", "4.00", 4, "0.00|1.00|2.00|3.00|4.00|5.00|6.00|7.00|8.00|9.00|10"},
};

// Edit fields with their spin buttons: starting text, maximum length, spin range.
struct FieldDefault {
    const char* field;
    const char* spin;
    const char* text;
    int maxLength;
    int minimum;
    int maximum;
};

inline constexpr FieldDefault Fields[] = {
    {"E1", "UD1", "90", 3, 0, 100},
    {"E2", "UD2", "8", 1, 0, 8},
    {"E3", "UD3", "4", 1, 0, 9},
    {"E4", "UD4", "2", 1, 0, 9},
};

inline constexpr const char* FileMask = "*.wav";

struct Hint {
    const char* control;
    const char* text;
};

inline constexpr Hint Hints[] = {
    {"RG1", "エンコードモードの選択"},
    {"GB1", "チャンネルモードの設定"},
    {"RB1", "モノラル"},
    {"RB2", "ステレオ"},
    {"RB3", "デュアルチャンネル"},
    {"RB4", "ジョイントステレオ"},
    {"CB0", "LAME を用いて MP1/MP2/MP3 -> WAV に変換します。"},
    {"CB6", "中間ファイルを削除します。"},
    {"CB2", "可変ビットレートモードでエンコード"},
    {"CB3", "平均ビットレートモードでエンコード"},
    {"CB1", "VBR ： 高速エンコード処理設定。"},
    {"CB8", "最大＆最小ビットレートの範囲指定が出来ます。"},
    {"CB5", "エラープロテクションの使用"},
    {"CB9", "2CH -> 1CH [ ダウンミックスにてモノラル ]  に変換します。"},
    {"CB4", "正規化"},
    {"E1", "正規化： ％ 設定"},
    {"E2", "圧縮レベル設定 ： ０ ( 低圧縮／高速 ) ～ ９ ( 高圧縮／低速 )"},
    {"E3", "VBR 音質設定 ： ０ ( 高音質／大容量 ) ～ ９ ( 低音質／小容量 )"},
    {"E4", "音質精度設定 ： ０ ( 高精度／低速 ) ～ ９ ( 低精度／高速 )"},
    {"ComB6", "VBR 音質設定 ：  ０ ( 低音質 / 小容量 )  ～  １０ ( 高音質 / 大容量 )"},
    {"ComB4", "VBR 音質自動設定"},
    {"ComB1", "CBR＆ABR(平均)の設定"},
    {"ComB2", "最大ビットレートの設定"},
    {"ComB3", "最小ビットレートの設定"},
    {"DCB1", "ドライブの選択"},
    {"DLB1", "フォルダの選択"},
    {"FLB1", "変換ファイルを１ファイル選択出来ます。"},
    {"B1", "指定ファイルをエンコードします。"},
    {"B2", "指定フォルダ内ファイルをエンコードします。"},
    {"B3", "作業終了"},
    {"SB1", "Encode Mode 設定時にメッセージを表示。"},
};

// Controls whose font differs from the window's: pixel height, bold red or not.
struct FontRow {
    const char* control;
    int pixels;
    bool boldRed;
};

inline constexpr FontRow Fonts[] = {
    {"ComB1", 15, true}, {"ComB2", 15, true}, {"ComB3", 15, true}, {"ComB4", 15, true}, {"ComB6", 15, true},
    {"E1", 15, true},    {"E2", 15, true},    {"E3", 15, true},    {"E4", 15, true},
    {"B1", 12, false},   {"B2", 13, false},   {"B3", 16, false},
};

} // namespace marulo::FormTexts
