#pragma once

// The enabled option controls after a mode is chosen, by mode and rate-control
// row, with "Normalize" checked; written out by hand, not from the rule tables. The
// drive, folder and file lists and the buttons are added by EnabledWithFixed.

#include <QString>

namespace marulo::test::Enabled {

inline const QString Mp3 = "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 CB6 LT1 ComB1 LT4 E1 UD1 E4 UD4";
inline const QString Mp3Abr =
    "RG1 RB1 RB2 RB3 RB4 CB0 CB2 CB3 CB4 CB5 CB6 LT1 LT2 LT3 ComB1 ComB2 ComB3 LT4 E1 UD1 E4 UD4";
inline const QString Mp3Vbr = "RG1 RB1 RB2 RB3 RB4 CB0 CB1 CB2 CB3 CB4 CB5 CB6 CB8 LT4 E1 UD1 E3 UD3 E4 UD4";
inline const QString Mp3VbrRange = Mp3Vbr + " LT2 LT3 ComB2 ComB3";
inline const QString Mp2 = "RG1 RB1 RB2 RB3 RB4 CB0 CB4 CB5 CB6 LT1 ComB1 E1 UD1";
inline const QString Mp2Mono = Mp2 + " CB9";
inline const QString Ogg = "RG1 RB2 CB0 CB2 CB3 CB4 CB6 CB9 LT1 ComB1 E1 UD1";
inline const QString OggMono = "RG1 RB1 CB0 CB2 CB3 CB4 CB6 CB9 LT1 ComB1 E1 UD1";
inline const QString OggAbr = "RG1 RB2 CB0 CB2 CB3 CB4 CB6 CB9 LT1 LT2 LT3 ComB1 ComB2 ComB3 E1 UD1";
inline const QString OggVbr = "RG1 RB2 CB0 CB2 CB3 CB4 CB6 CB9 LT4 ComB6 E1 UD1";
inline const QString Aac = "RG1 RB2 CB0 CB2 CB4 CB6 LT1 ComB1 E1 UD1";
inline const QString AacVbr = "RG1 RB2 CB0 CB2 CB4 CB6 LT4 ComB4 E1 UD1";
inline const QString Flac = "RG1 RB2 CB0 CB4 CB6 LT5 E1 UD1 E2 UD2";
inline const QString Tta = "RG1 RB2 CB0 CB4 CB6 E1 UD1";
inline const QString Wav = "RG1 E1 UD1";

} // namespace marulo::test::Enabled
