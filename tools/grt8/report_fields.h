#pragma once

#include "tools/grt8/report.h"

#include <string_view>
#include <vector>

// The words for a switch that is on and off, agreeing with the setting they describe.
struct SwitchWords {
    std::string_view on;
    std::string_view off;
};

inline constexpr SwitchWords kActiveNeuter{"aktywne", "nieaktywne"};
inline constexpr SwitchWords kActiveMasculine{"aktywny", "nieaktywny"};
inline constexpr SwitchWords kActiveFeminine{"aktywna", "nieaktywna"};
inline constexpr SwitchWords kYesNo{"tak", "nie"};

// What is printed for a setting that holds nothing: no number, no PIN, no box ticked.
inline constexpr std::string_view kNothing = "(brak)";

ReportField SwitchField(std::string key, std::string label, bool on, SwitchWords words);

ReportField NumberField(std::string key, std::string label, std::int64_t value,
                        std::string_view unit = {});

// A number the editor shows otherwise than it is stored (out of its range, or erased memory):
// the editor's value, and the stored one in brackets when they differ.
ReportField ShownNumberField(std::string key, std::string label, std::int64_t shown,
                             std::int64_t stored, std::string_view unit = {});

// A number or a PIN, printed as it is; "(brak)" when empty.
ReportField WordField(std::string key, std::string label, std::string_view utf8);

// A text in its edit form, printed between quotes.
ReportField TextField(std::string key, std::string label, std::string_view utf8);

// The names of the ticked boxes of a row; "(brak)" when none is.
ReportField ListField(std::string key, std::string label, const std::vector<std::string>& items);

// The text of the number and PIN decoders, which give ASCII characters only.
std::string Utf8Of(std::u32string_view text);
