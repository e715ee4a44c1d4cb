#pragma once

#include <string>

// The frames the simulated module took, in order, from its --log lines on standard error: each
// as "v", "x", or the command with its address and length ("r0080/128", "w0003/131"), followed
// by a blank.
std::string FrameSequence(const std::string& simulatorLog);

// The frames of the console's operations on the five-block layout the module keeps.
std::string VersionFrame();
std::string RestartFrame();
std::string ReadFrame(int block);
std::string WriteFrame(int block);
std::string Repeated(const std::string& frames, int times);

// A read, or a send with its write and read-back of each block, in which block `block` takes
// `blockFrames` instead of its own; with `endsThere` the operation ends after that block.
std::string ReadFrames(int block = 0, const std::string& blockFrames = "", bool endsThere = false);
std::string SendFrames(int block = 0, const std::string& blockFrames = "", bool endsThere = false);
