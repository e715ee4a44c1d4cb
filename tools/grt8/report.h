#pragma once

#include "config/config_image.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One setting of a configuration as the report gives it.
struct ReportField {
    // A stable name for scripts, never translated.
    std::string key;
    // The label the console's editor gives the setting.
    std::string label;
    // The value as printed, with its unit; two fields are the same setting exactly when their
    // printed values are equal.
    std::string shown;
    // The value for scripts, typed: a number, a switch, a text or a list of names.
    nlohmann::ordered_json json;
    // The number stored in the image, when the editor shows another value in its place.
    std::optional<std::int64_t> stored;
};

// The settings of one editor, in the editor's order.
struct ReportSection {
    std::string title;
    std::vector<ReportField> fields;
};

using ConfigurationReport = std::vector<ReportSection>;

// Every setting the editors show, decoded as the editors decode it.
ConfigurationReport DescribeConfiguration(const ConfigImage& image);
