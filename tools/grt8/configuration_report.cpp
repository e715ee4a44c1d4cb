#include "tools/grt8/report.h"
#include "tools/grt8/report_sections.h"

ConfigurationReport DescribeConfiguration(const ConfigImage& image) {
    return {GeneralSection(image), LineSection(image), ReportsControlSection(image),
            TextSection(image)};
}
