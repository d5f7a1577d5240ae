#pragma once

// What the window's value controls offer and accept: the list of each editable
// combo box, the range of each edit field's spin button, their starting texts
// and lengths. Data, not texts: the window builds its controls from these, and
// a run without a window checks its options against the same values.

namespace marulo::ControlValues {

// An editable combo box: starting text, maximum length (0: none), list items.
struct ComboValues {
    const char* text;
    int maxLength;
    const char* items; // separated by '|'
};

// An edit field with its spin button: starting text, maximum length, spin range.
struct FieldValues {
    const char* text;
    int maxLength;
    int minimum;
    int maximum;
};

inline constexpr ComboValues Bitrate{"128", 3, "32|40|48|56|64|80|96|112|128|160|192|224|256|320|384|448|512"};
inline constexpr ComboValues MaxBitrate{"320", 3, "224|256|320|384|448|512"};
inline constexpr ComboValues MinBitrate{"64", 3, "32|40|48|56|64|80|96"};
inline constexpr ComboValues AacPreset{"normal", 0, "tape|radio|internet|streaming|normal|extreme|archive|ultra"};
inline constexpr ComboValues OggQuality{"4.00", 4, "0.00|1.00|2.00|3.00|4.00|5.00|6.00|7.00|8.00|9.00|10"};

inline constexpr FieldValues NormalizeLevel{"90", 3, 0, 100};
inline constexpr FieldValues Compression{"8", 1, 0, 8};
inline constexpr FieldValues VbrQuality{"4", 1, 0, 9};
inline constexpr FieldValues Quality{"2", 1, 0, 9};

} // namespace marulo::ControlValues
