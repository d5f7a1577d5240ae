#pragma once

#include <QtGlobal>

// What a run without a window tells the user on standard error, UTF-8,
// marked for translation in context "BatchTexts". %1, %2, ... are filled in
// by QString::arg(). The help's option descriptions are English, like the
// window's own --help.

namespace marulo::BatchTexts {

// One line per finished file.
// "変換しました: a.wav -> Zorvik/a.mp3"
inline constexpr const char* Converted = QT_TRANSLATE_NOOP("BatchTexts", "変換しました: %1 -> %2");
// "失敗しました: b.wav: normalize.exe: exit status 2: <its last line>"
inline constexpr const char* Failed = QT_TRANSLATE_NOOP("BatchTexts", "失敗しました: %1: %2");
// The file's result was there already and the policy says skip.
inline constexpr const char* Skipped = QT_TRANSLATE_NOOP("BatchTexts", "変換しませんでした: %1 (%2 があります)");

// The summary at the end: files, converted, failed, skipped, elapsed time.
inline constexpr const char* Summary =
    QT_TRANSLATE_NOOP("BatchTexts", "%1 件中 %2 件を変換、%3 件が失敗、%4 件は変換しませんでした (%5)");
inline constexpr const char* StoppedSummary =
    QT_TRANSLATE_NOOP("BatchTexts", "変換を中止しました。%1 件中 %2 件を変換、%3 件が失敗しました (%4)");

// The line that updates in place on a terminal: files done of N, the running
// files with their shares, elapsed and remaining time.
inline constexpr const char* Progress = QT_TRANSLATE_NOOP("BatchTexts", "%1/%2 件  %3  経過 %4  残り %5");

// --print-jobs with album loudness could not measure a folder's files:
// "<folder>: normalize.exe: exit status 2: <its last line>".
inline constexpr const char* MeasureFailed =
    QT_TRANSLATE_NOOP("BatchTexts", "アルバムのラウドネスを測れませんでした: %1: %2");

// Usage errors, each followed by a hint to --help.
inline constexpr const char* NoSuchPath =
    QT_TRANSLATE_NOOP("BatchTexts", "\"%1\" がありません。または読み取る権限がありません。");
inline constexpr const char* NoPath = QT_TRANSLATE_NOOP("BatchTexts", "変換するファイルかフォルダを指定して下さい。");
inline constexpr const char* BadValue =
    QT_TRANSLATE_NOOP("BatchTexts", "--%1 に \"%2\" は指定できません。指定できる値: %3");
inline constexpr const char* NotInWav = QT_TRANSLATE_NOOP("BatchTexts", "--mode wav では --%1 は指定できません。");
inline constexpr const char* SeeHelp =
    QT_TRANSLATE_NOOP("BatchTexts", "使い方は marulo --batch --help で表示されます。");

} // namespace marulo::BatchTexts
