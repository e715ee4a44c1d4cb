#include "tools/sim_session.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace sim {

namespace {

// One character of 10 bits at 1200 baud; a reply byte is on the console's side only once all
// of it has crossed the line.
constexpr std::chrono::nanoseconds kCharacterTime{8'333'333};

const char* KindName(RequestKind kind) {
    switch (kind) {
    case RequestKind::WriteMemory:
        return "w";
    case RequestKind::ReadMemory:
        return "r";
    case RequestKind::Version:
        return "v";
    case RequestKind::Restart:
        return "x!!!";
    }
    return "?";
}

} // namespace

Session::Session(const Options& options, SimulatedModule& module, PseudoTerminal& terminal,
                 int stopFd)
    : m_options(options), m_module(module), m_terminal(terminal), m_stopFd(stopFd) {}

void Session::Run() {
    while (!m_done) {
        const short masterEvents = static_cast<short>(POLLIN | (m_outputBlocked ? POLLOUT : 0));
        pollfd watched[2] = {{m_terminal.master(), masterEvents, 0}, {m_stopFd, POLLIN, 0}};
        if (poll(watched, 2, PollTimeoutMs()) < 0 && errno != EINTR) {
            std::perror("grt8-sim: poll");
            return;
        }
        if (watched[1].revents != 0) {
            return;
        }
        if ((watched[0].revents & POLLIN) != 0) {
            ReceiveAvailable();
        } else if ((watched[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            std::fprintf(stderr, "grt8-sim: the terminal went away\n");
            return;
        }
        if ((watched[0].revents & POLLOUT) != 0) {
            m_outputBlocked = false;
        }
        SendDue();
    }
}

int Session::PollTimeoutMs() const {
    if (m_outgoing.empty() || m_outputBlocked) {
        return -1;
    }
    if (m_options.fast) {
        return 0;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_nextSend - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

void Session::ReceiveAvailable() {
    std::uint8_t bytes[256];
    const ssize_t got = read(m_terminal.master(), bytes, sizeof bytes);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (got <= 0) {
        std::fprintf(stderr, "grt8-sim: the terminal went away\n");
        m_done = true;
        return;
    }
    const Clock::time_point at = Clock::now();
    for (ssize_t i = 0; i < got && !m_done; ++i) {
        Receive(bytes[i], at);
    }
}

void Session::Receive(std::uint8_t byte, Clock::time_point at) {
    if (m_options.hangUpAfterFrames > 0 && m_frames >= m_options.hangUpAfterFrames) {
        HangUp();
        return;
    }
    m_frameByteTimes.push_back(at);
    if (std::optional<Request> request = m_parser.Feed(byte)) {
        Handle(*request);
        m_frameByteTimes.clear();
    }
}

void Session::Handle(const Request& request) {
    ++m_frames;
    const std::vector<std::uint8_t> reply = m_module.Answer(request);
    if (m_options.log) {
        LogFrame(request, reply.size());
    }
    Queue(reply);
    if (request.kind == RequestKind::Restart && !m_options.faults.silent) {
        std::fprintf(stderr, "grt8-sim: restart %d\n", m_module.restarts());
        m_done = m_options.exitAfterRestart;
    }
}

void Session::Queue(const std::vector<std::uint8_t>& reply) {
    if (reply.empty()) {
        return;
    }
    if (m_outgoing.empty()) {
        m_nextSend = std::max(m_nextSend, Clock::now()) + kCharacterTime;
    }
    m_outgoing.insert(m_outgoing.end(), reply.begin(), reply.end());
}

void Session::SendDue() {
    while (!m_outgoing.empty() && !m_outputBlocked &&
           (m_options.fast || Clock::now() >= m_nextSend)) {
        const ssize_t written = write(m_terminal.master(), &m_outgoing.front(), 1);
        if (written != 1) {
            m_outputBlocked = written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
            if (!m_outputBlocked) {
                m_outgoing.clear();
            }
            return;
        }
        m_outgoing.pop_front();
        m_nextSend += kCharacterTime;
    }
}

void Session::HangUp() {
    std::fprintf(stderr, "grt8-sim: hanging up after %d frames\n", m_frames);
    m_terminal.HangUp();
    m_done = true;
}

void Session::LogFrame(const Request& request, std::size_t replyBytes) {
    std::vector<double> gaps;
    for (std::size_t i = 1; i < m_frameByteTimes.size(); ++i) {
        gaps.push_back(
            std::chrono::duration<double, std::micro>(m_frameByteTimes[i] - m_frameByteTimes[i - 1])
                .count());
    }
    std::sort(gaps.begin(), gaps.end());
    std::fprintf(stderr, "grt8-sim: %s addr=0x%04X len=%u reply=%zu bytes=%zu",
                 KindName(request.kind), request.address, request.length, replyBytes,
                 m_frameByteTimes.size());
    if (!gaps.empty()) {
        std::fprintf(stderr, " gaps_us=%.0f/%.0f/%.0f", gaps.front(), gaps[gaps.size() / 2],
                     gaps.back());
    }
    std::fputc('\n', stderr);
}

} // namespace sim
