#pragma once

#include <QString>
#include <QVariant>

#include <span>

namespace marulo {

struct UserSettings;

// What a setting holds. The value a declaration reads and writes is an int
// (Int, and Choice as the index of its word), a double, a bool or a QString.
enum class SettingType { Int, Double, Bool, Choice, Text };

// One allowed word of a Choice, and how the settings dialog shows it.
struct SettingChoice {
    const char* word;
    const char* label;
};

// One setting, once: where the file keeps it, what it may hold, what it is
// when the file says nothing or something not allowed, and its row in the
// settings dialog. Loading, saving, checking and the dialog all read these.
struct SettingDeclaration {
    const char* section; // the file's [section], and the dialog's group
    const char* key;
    SettingType type;
    const char* defaultText; // as the file would hold it
    double lower = 0;        // Int, Double: the allowed range
    double upper = 0;
    int upperPerProcessor = 0; // more than 0: the upper bound is this many per processor
    // Choice: its words. Double: presets the dialog offers beside the field.
    std::span<const SettingChoice> choices = {};
    const char* label = nullptr; // nullptr: not shown in the settings dialog
    const char* hint = nullptr;  // a line under the row; %1 is the processor count
    const char* name = nullptr;  // the object name of the dialog's control
    QVariant (*get)(const UserSettings&) = nullptr;
    void (*set)(UserSettings&, const QVariant&) = nullptr;
};

std::span<const SettingDeclaration> SettingDeclarations();

// "section/key", the key QSettings reads and writes.
QString SettingKey(const SettingDeclaration& setting);
// The upper bound of an Int or a Double.
double SettingUpper(const SettingDeclaration& setting);
// The value a text of the file stands for; an invalid QVariant when it is
// none the setting allows. Words and numbers may stand between blanks.
QVariant ParseSetting(const SettingDeclaration& setting, const QString& text);
// The text the file keeps for a value.
QString SettingText(const SettingDeclaration& setting, const QVariant& value);

} // namespace marulo
