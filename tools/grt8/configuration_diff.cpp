#include "tools/grt8/configuration_diff.h"

#include "tools/grt8/report.h"

std::vector<FieldDifference> CompareConfigurations(const ConfigImage& a, const ConfigImage& b) {
    const ConfigurationReport reportA = DescribeConfiguration(a);
    const ConfigurationReport reportB = DescribeConfiguration(b);
    std::vector<FieldDifference> differences;
    for (std::size_t section = 0; section < reportA.size(); ++section) {
        const std::vector<ReportField>& fieldsA = reportA[section].fields;
        const std::vector<ReportField>& fieldsB = reportB[section].fields;
        for (std::size_t field = 0; field < fieldsA.size(); ++field) {
            if (fieldsA[field].shown != fieldsB[field].shown) {
                differences.push_back({reportA[section].title, fieldsA[field].label,
                                       fieldsA[field].shown, fieldsB[field].shown});
            }
        }
    }
    return differences;
}

std::string FormatDifferences(const std::vector<FieldDifference>& differences) {
    std::string text;
    const std::string* section = nullptr;
    for (const FieldDifference& difference : differences) {
        if (section == nullptr || *section != difference.section) {
            section = &difference.section;
            text += *section + "\n";
        }
        text += "  " + difference.label + ": " + difference.inA + " → " + difference.inB + "\n";
    }
    return text;
}
