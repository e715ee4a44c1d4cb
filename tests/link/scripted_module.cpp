#include "scripted_module.h"

#include <numeric>

namespace {

constexpr std::size_t kHeaderBytes = 5;

} // namespace

void ScriptedModule::operator()(FakeSerialLine& line, std::uint8_t byte) {
    if (m_frame.empty() && byte == 'v') {
        line.Receive(std::vector<std::uint8_t>(version.begin(), version.end()));
        return;
    }
    if (m_frame.empty() && byte != 'r' && byte != 'w') {
        return;
    }
    m_frame.push_back(byte);
    if (m_frame[0] == 'r' && m_frame.size() == kHeaderBytes) {
        FinishReadRequest(line);
    } else if (m_frame[0] == 'w' && m_frame.size() >= kHeaderBytes &&
               m_frame.size() == kHeaderBytes + m_frame[3]) {
        ++writeFrames;
        m_frame.clear();
    }
}

void ScriptedModule::FinishReadRequest(FakeSerialLine& line) {
    ++readRequests;
    m_frame.clear();
    if (readReplies.empty()) {
        return;
    }
    line.Receive(readReplies.front());
    readReplies.pop_front();
}

std::vector<std::uint8_t> ReplyWithCheckByte(std::vector<std::uint8_t> data) {
    const unsigned sum = std::accumulate(data.begin(), data.end(), 0U);
    data.push_back(static_cast<std::uint8_t>((256 - sum % 256) % 256));
    return data;
}
