#pragma once

// The window's sentences and captions byte for byte, written out
// here on their own so that a wrong byte in the program's tables shows up.

#include <QString>

namespace marulo::test::Text {

inline QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// Choosing a mode.
inline const QString Mp3 = u(" lame.exe を用いたエンコードです。上限は\"320\"までです。");
inline const QString Mp3Absent = u(" lame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline const QString Mp2 = u(" toolame.exe を用いたエンコードです。上限は\"384\"までです。");
inline const QString Mp2Absent = u(" toolame.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline const QString Ogg = u(" aoTuV ( oggenc.exe ) を用いたエンコードです。音質の追求中なので期待！");
inline const QString OggAbsent = u(" aoTuV ( oggenc.exe ) が 起動フォルダ内に見つかりません。確認をして下さい。");
inline const QString AacVbr = u(" aacenc.exe を用いた 可変ビットレートによるエンコードです。上限は\"512\"までです。");
inline const QString AacAverage =
    u(" aacenc.exe を用いた 平均ビットレートによるエンコードです。 上限は\"512\"までです。");
inline const QString AacAbsent = u(" aacenc.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline const QString Flac = u(" flac.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]");
inline const QString FlacAbsent = u(" flac.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline const QString Tta = u(" ttaenc.exe を用いたエンコードです。 [ 可逆圧縮フォーマット ]");
inline const QString TtaAbsent = u(" ttaenc.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");
inline const QString Wav = u(" Normalize.exe を用い、正規化のみを行います。");
inline const QString WavAbsent = u(" Normalize.exe が 起動フォルダ内に見つかりませんでした。確認をして下さい。");

// The rate-control boxes.
inline const QString LameVbr = u(" lame.exe を用いた 可変ビットレートによるエンコードです。");
inline const QString LameAbr = u(" lame.exe を用いた 平均ビットレートによるエンコードです。上限は\"320\"までです。");
inline const QString LameConstant =
    u(" lame.exe を用いた 固定ビットレートによるエンコードです。上限は\"320\"までです。");
inline const QString OggVbr = u(" aoTuV ( oggenc.exe ) を用いた 可変ビットレートによるエンコードです。推薦！");
inline const QString OggAbr =
    u(" aoTuV ( oggenc.exe ) を用いた 平均ビットレートによるエンコードです。上限は\"448\"です。");
inline const QString OggConstant =
    u(" aoTuV ( oggenc.exe ) を用いた 固定ビットレートによるエンコードです。上限は\"448\"です。");
inline const QString AacRuleVbr = u(" aacenc.exe を用いた 可変ビットレートによるエンコードです。");
inline const QString AacRuleAverage =
    u(" aacenc.exe を用いた 平均ビットレートによるエンコードです。上限は\"512\"までです。");

// Decode mode.
inline const QString DecodeMpx = u(" lame.exe を用い、MP1/MP2/MP3 形式のファイル を WAV ファイル に変換します。");
inline const QString DecodeFlac = u(" flac.exe を用い、FLAC 形式のファイル を WAV ファイル に変換します。");
inline const QString DecodeTta = u(" ttaenc.exe を用い、TTA 形式のファイル を WAV ファイル に変換します。");
inline const QString LeaveOgg = u(" aoTuv ( oggenc.exe ) を用いたエンコードです。 [ 推薦モードは \" VBR \" ]");

// Captions and hints.
inline const QString QualityStart = u("Quality (V/q)");
inline const QString QualityMp3 = u("Quality(V/q)");
inline const QString Quality = u("Quality");
inline const QString Mpx = u("MPx -> WAV");
inline const QString FlacWav = u("FLAC -> WAV");
inline const QString TtaWav = u("TTA -> WAV");
inline const QString MpxHint = u("LAME を用いて MP1/MP2/MP3 -> WAV に変換します。");
inline const QString FlacHint = u("flac.exe を用いて FLAC -> WAV に変換します。");
inline const QString TtaHint = u("ttaenc.exe を用いて TTA -> WAV に変換します。");

// Shown sets of the tracked controls by mode.
inline const QString ShownMp3 = u("E3 E4 UD3 UD4 UD1 UD2 E1 E2 ComB1 LT4");
inline const QString ShownComB6 = u("ComB6 UD1 UD2 E1 E2 ComB1 LT4");
inline const QString ShownAac = u("ComB4 UD1 UD2 E1 E2 ComB1 LT4");

} // namespace marulo::test::Text
