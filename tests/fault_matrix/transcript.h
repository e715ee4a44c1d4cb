#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The texts a case's outcome is written in, so that a whole outcome compares as one text with
// its expected/NAME.txt.

// The log pane as the user saw it grow, one line a line with its "\r\n" shown, each message box
// in brackets at the point where it was shown ("[Write error ×39]" for a run of one box).
// boxesAndPanes: a box's "<text>", then the pane's text at that moment, for each box in order.
std::string PaneWithBoxes(std::span<const std::string> boxesAndPanes, const std::string& pane);

// A text on one line, its line breaks and other control bytes shown escaped.
std::string OnOneLine(const std::string& text);

// Bytes a case knows by name: the module's memory at its start, the console's image at its start.
struct Reference {
    std::string name;
    std::span<const std::uint8_t> bytes;
};

// The bytes as runs, each named after the reference it equals ("0-127 module") or given by its
// value ("5 =0x00"); a run goes on while its reference does, so a chance equality starts no new
// run. "nothing" for no bytes.
std::string Runs(std::span<const std::uint8_t> bytes, const std::vector<Reference>& references);

// The frames the simulated module took, from its --log lines, without their timing; the same
// line over and over as one line with its count.
std::string FramesTaken(const std::string& simulatorLog);

// The first run of "Write error" boxes in seen made as long as the expected one when it is at
// most `tolerance` short.
std::string AllowingMissingWriteErrors(std::string seen, const std::string& expected,
                                       int tolerance);
