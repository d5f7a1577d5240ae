#pragma once

// The settings dialog's caption and buttons (each setting's row has its texts
// in launcher/SettingDeclarations.cpp), its entry in the window's menu, and
// the status sentence of a failed save. UTF-8; the status sentence begins with one blank.

// Marked for translation in context "SettingsTexts".

#include <QtGlobal>

namespace marulo::SettingsTexts {

inline constexpr const char* DialogCaption = QT_TRANSLATE_NOOP("SettingsTexts", "設定");
inline constexpr const char* Ok = QT_TRANSLATE_NOOP("SettingsTexts", "OK");
inline constexpr const char* Cancel = QT_TRANSLATE_NOOP("SettingsTexts", "キャンセル");

// The entry in the menu of the window's free area.
inline constexpr const char* MenuEntry = QT_TRANSLATE_NOOP("SettingsTexts", "設定(&S)...");

inline constexpr const char* SaveFailed =
    QT_TRANSLATE_NOOP("SettingsTexts", " 設定ファイルを保存できませんでした。保存先のフォルダを確認して下さい。");

} // namespace marulo::SettingsTexts
