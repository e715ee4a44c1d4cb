#pragma once

#include "tests/fault_matrix/console_driver.h"

#include <string>
#include <vector>

// One round against a healthy module: the version; a send of an image of the round's own; a read
// into a spoiled image that must give back what was sent, with eeprom.bin in the working folder
// holding the same. Every problem found, empty when the round went as designed.
std::vector<std::string> RunSoakRound(ConsoleDriver& console, int round,
                                      const ModuleMemory& moduleAtStart,
                                      const std::string& version);
