#pragma once

#include "config/config_image.h"
#include "config/image_layout.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

// A configuration with every kind of setting away from zero, made with the editors' own
// encoders:
//   SMSC +48602951111, Numer 1 *123, Numer 2 600100200, Numer 3 empty, PIN 1234,
//   network code 26003, SMS limit active at 10, periodic report active every 1440 minutes,
//   thermostat T1/O5 active from -25 to 120 °C with notification, thermostat T2/O4 off from
//   5 to 30 °C without, disarming by L1 and the siren for 30 s active, no remanence;
//   line 1 to TEL1 and TEL3 on NO, line 10 on NC alone;
//   report to TEL1 and TEL2 with the power source option, CLIP from TEL3 with the O2 pulse,
//   SMS control from TEL1 and any number;
//   text of line 1 "Alarm $170", of line 3 "Drzwi", report text "Stan $200".
ConfigImage SampleConfiguration();

// The sample with every setting changed to what an editor shows otherwise than it is stored
// (erased memory, temperatures out of range), to flag bytes with unused bits set, and to texts
// that a terminal would act on.
ConfigImage OddConfiguration();

// Writes the text into text slot `slot` (0 for line 1, 10 for the report).
void PutText(ConfigImage& image, std::size_t slot, std::string_view text);

// Saved as the console saves it; false when the file could not be written.
bool SaveConfiguration(const std::filesystem::path& path, ConfigImage image);
