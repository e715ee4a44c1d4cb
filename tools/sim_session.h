#pragma once

#include "tools/sim_frame_parser.h"
#include "tools/sim_module.h"
#include "tools/sim_options.h"
#include "tools/sim_pty.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

namespace sim {

// Serves the module on the pseudo-terminal until `stopFd` becomes readable, the line is hung
// up on purpose, or a restart comes with --exit-after-restart.
class Session {
public:
    Session(const Options& options, SimulatedModule& module, PseudoTerminal& terminal, int stopFd);
    void Run();

private:
    using Clock = std::chrono::steady_clock;

    int PollTimeoutMs() const;
    void ReceiveAvailable();
    void Receive(std::uint8_t byte, Clock::time_point at);
    void Handle(const Request& request);
    void Queue(const std::vector<std::uint8_t>& reply);
    void SendDue();
    void HangUp();
    void LogFrame(const Request& request, std::size_t replyBytes);

    const Options& m_options;
    SimulatedModule& m_module;
    PseudoTerminal& m_terminal;
    int m_stopFd;
    FrameParser m_parser;
    std::deque<std::uint8_t> m_outgoing;
    Clock::time_point m_nextSend;
    bool m_outputBlocked = false;
    std::vector<Clock::time_point> m_frameByteTimes;
    int m_frames = 0;
    bool m_done = false;
};

} // namespace sim
