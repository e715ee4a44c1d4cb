#pragma once

#include "tools/grt8/report.h"

// One section per editor, each decoding only the bytes its editor owns.
ReportSection GeneralSection(const ConfigImage& image);
ReportSection LineSection(const ConfigImage& image);
ReportSection ReportsControlSection(const ConfigImage& image);
ReportSection TextSection(const ConfigImage& image);
