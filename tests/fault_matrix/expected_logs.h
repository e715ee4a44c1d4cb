#pragma once

#include <string>

// The log pane texts of the module operations on COM4, line by line as the console writes them.

std::string OpenFailureLines();
std::string ContactLines();
std::string NoContactLines();
std::string VersionLines(const std::string& version);

// The contact lines and the headings of blocks 1 to lastBlock.
std::string ReadLinesThrough(int lastBlock);
std::string CompleteReadLines();

// One block of a send: failedAttempts rewrites, then the verified attempt unless all four failed.
std::string SendBlockLines(int block, int failedAttempts);
std::string SendClosingLines();
