#pragma once

#include "fake_serial_line.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A module for FakeSerialLine that recognises the frames written to it and answers from a
// script: the version text for every 'v', and the next queued reply for every read request
// (none once the queue is empty). Write frames and restarts are only counted.
class ScriptedModule {
public:
    std::string version;
    std::deque<std::vector<std::uint8_t>> readReplies;
    int readRequests = 0;
    int writeFrames = 0;

    void operator()(FakeSerialLine& line, std::uint8_t byte);

private:
    std::vector<std::uint8_t> m_frame;
    void FinishReadRequest(FakeSerialLine& line);
};

// `data` followed by the check byte that makes the sum of the reply zero.
std::vector<std::uint8_t> ReplyWithCheckByte(std::vector<std::uint8_t> data);
