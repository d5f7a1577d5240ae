#pragma once

// The settings dialog's texts, its entry in the window's menu, and the status
// sentence of a failed save. UTF-8; the status sentence begins with one blank.
// Marked for translation in context "SettingsTexts"; the marked text is the source
// the translations look up, so it stays as it is.

#include <QtGlobal>

namespace marulo::SettingsTexts {

inline constexpr const char* DialogCaption = QT_TRANSLATE_NOOP("SettingsTexts", "設定");
inline constexpr const char* JobsLabel = QT_TRANSLATE_NOOP("SettingsTexts", "同時に変換するファイルの数");
// %1: the processor count.
inline constexpr const char* JobsHint = QT_TRANSLATE_NOOP("SettingsTexts", "( この PC のプロセッサ数 : %1 )");
inline constexpr const char* ExistingLabel = QT_TRANSLATE_NOOP("SettingsTexts", "変換後のファイルが既にある時");
// In the order of ExistingResults: overwrite, skip, number.
inline constexpr const char* ExistingItems[] = {
    QT_TRANSLATE_NOOP("SettingsTexts", "上書きする"),
    QT_TRANSLATE_NOOP("SettingsTexts", "そのファイルは変換しない"),
    QT_TRANSLATE_NOOP("SettingsTexts", "番号を付けて両方残す"),
};
inline constexpr const char* RememberLabel = QT_TRANSLATE_NOOP("SettingsTexts", "前回開いていたフォルダで起動する");
inline constexpr const char* Ok = QT_TRANSLATE_NOOP("SettingsTexts", "OK");
inline constexpr const char* Cancel = QT_TRANSLATE_NOOP("SettingsTexts", "キャンセル");

// The entry in the menu of the window's free area.
inline constexpr const char* MenuEntry = QT_TRANSLATE_NOOP("SettingsTexts", "設定(&S)...");

inline constexpr const char* SaveFailed =
    QT_TRANSLATE_NOOP("SettingsTexts", " 設定ファイルを保存できませんでした。保存先のフォルダを確認して下さい。");

} // namespace marulo::SettingsTexts
