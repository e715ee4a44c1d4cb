#include "config/image_layout.h"
#include "editors/flag_codec.h"
#include "tools/grt8/report_fields.h"
#include "tools/grt8/report_sections.h"

#include <array>
#include <string_view>

namespace {

// Lines 9 and 10 are also the temperature sensors' inputs.
constexpr std::array<std::string_view, kInputLineCount> kLineLabels = {
    "Linia 1", "Linia 2", "Linia 3", "Linia 4",    "Linia 5",
    "Linia 6", "Linia 7", "Linia 8", "Linia 9/T1", "Linia 10/T2",
};

// The columns of a line byte in the order of LineFlags.
constexpr std::array<std::string_view, kLineColumnCount> kColumnNames = {"TEL1", "TEL2", "TEL3",
                                                                         "NO", "NC"};
constexpr std::size_t kFirstEdgeColumn = 3;

std::vector<std::string> TickedColumns(const LineFlags& flags, std::size_t from, std::size_t to) {
    std::vector<std::string> ticked;
    for (std::size_t column = from; column < to; ++column) {
        if (flags[column]) {
            ticked.emplace_back(kColumnNames[column]);
        }
    }
    return ticked;
}

} // namespace

ReportSection LineSection(const ConfigImage& image) {
    ReportSection section{"Ustawienia linii meldunkowych", {}};
    for (std::size_t line = 0; line < kInputLineCount; ++line) {
        const LineFlags flags = DecodeLineFlags(image[kLineSettingsOffset + line]);
        const std::string key = "line" + std::to_string(line + 1);
        const std::string label(kLineLabels[line]);
        section.fields.push_back(ListField(key + ".phones", label + ", telefony",
                                           TickedColumns(flags, 0, kFirstEdgeColumn)));
        section.fields.push_back(ListField(key + ".edges", label + ", Pobudzenie",
                                           TickedColumns(flags, kFirstEdgeColumn, flags.size())));
    }
    return section;
}
