#pragma once

#include "config/config_image.h"

#include <string>
#include <vector>

struct FieldDifference {
    std::string section;
    std::string label;
    std::string inA;
    std::string inB;

    bool operator==(const FieldDifference&) const = default;
};

// The settings whose values differ, in report order. Settings are compared as the editors
// show them, so bytes no editor shows (after the end of a text or a number, unused bits, the
// module's own first bytes, the bytes kept only in files) never make a difference.
std::vector<FieldDifference> CompareConfigurations(const ConfigImage& a, const ConfigImage& b);

// Each section with differences, then its settings as "label: value in A → value in B".
std::string FormatDifferences(const std::vector<FieldDifference>& differences);
