#pragma once

// The texts of what the window adds to its designed controls: the menus of
// the folder and file lists, the path field of Ctrl+L, and the status
// sentences that report their failures. UTF-8; status sentences begin with one
// blank. %1 is the results folder's name or a folder's path, as noted.
// Marked for translation in context "MenuTexts"; the marked text is the source
// the translations look up, so it stays as it is.

#include <QtGlobal>

namespace marulo::MenuTexts {

// The folder and file lists' menus. %1: the results folder's name.
inline constexpr const char* OpenResults = QT_TRANSLATE_NOOP("MenuTexts", "変換先フォルダ ( %1 ) を開く(&R)");
inline constexpr const char* OpenParent = QT_TRANSLATE_NOOP("MenuTexts", "一つ上のフォルダを開く(&U)");
inline constexpr const char* OpenHome = QT_TRANSLATE_NOOP("MenuTexts", "ホームフォルダを開く(&H)");
inline constexpr const char* ShowFile = QT_TRANSLATE_NOOP("MenuTexts", "このファイルをファイルマネージャで表示(&F)");

// The path field: a hint while it is empty, and the note beside a path that
// leads nowhere.
inline constexpr const char* PathHint =
    QT_TRANSLATE_NOOP("MenuTexts", "開くフォルダのパス ( Enter で開く / Esc で閉じる )");
inline constexpr const char* PathMissing = QT_TRANSLATE_NOOP("MenuTexts", "見つかりません");

// %1: the results folder's name.
inline constexpr const char* ResultsFolderMissing =
    QT_TRANSLATE_NOOP("MenuTexts", " 変換先フォルダ \"%1\" はまだありません。");
// %1: the folder's path.
inline constexpr const char* DesktopOpenFailed =
    QT_TRANSLATE_NOOP("MenuTexts", " \"%1\" をファイルマネージャで開けませんでした。");

} // namespace marulo::MenuTexts
