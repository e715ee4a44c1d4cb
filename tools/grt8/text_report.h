#pragma once

#include "tools/grt8/configuration_file.h"
#include "tools/grt8/report.h"

#include <string>

// The lines that say which file this is and whether the console would take it.
std::string FormatFileHeader(const std::string& fileName, const ConfigFileContents& file);

// Each section's title, then its settings one a line as "label: value", indented.
std::string FormatReport(const ConfigurationReport& report);
