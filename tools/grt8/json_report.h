#pragma once

#include "tools/grt8/configuration_file.h"
#include "tools/grt8/report.h"

#include <string>

// The file, its check word and every setting, as one JSON object:
//   {"file": ..., "bytesRead": ..., "longerThanImage": ...,
//    "checkWord": {"matches": ..., "stored": ..., "computed": ...},
//    "sections": [{"title": ..., "fields": [{"key", "label", "value"[, "stored"]}]}]}
std::string FormatJsonReport(const std::string& fileName, const ConfigFileContents& file,
                             const ConfigurationReport& report);
