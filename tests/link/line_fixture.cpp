#include "line_fixture.h"

#include "link/port_handle.h"

#include <algorithm>
#include <cstdio>

namespace {

// The shortest gap in tenths of a millisecond, cut rather than rounded: the counter's steps only
// ever add.
std::string ShortestGap(const std::vector<double>& microseconds) {
    char text[16];
    const double shortest = *std::min_element(microseconds.begin(), microseconds.end());
    std::snprintf(text, sizeof text, "%.1f", static_cast<int>(shortest / 100) / 10.0);
    return text;
}

} // namespace

Trace operator+(Trace head, const Trace& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Trace Opened(const std::string& port) {
    return {"open " + port, "line 1200", "timeouts 0 10 100 0 100", "queues 1024 1024", "dtr"};
}

std::string Frame(char kind, int address, int length, const char* gaps) {
    char name[32];
    std::snprintf(name, sizeof name, "%c %04X %d @%s", kind, address, length, gaps);
    return name;
}

void LineTest::SetUp() {
    m_previousSystem = UseSerialPortSystem(&line);
    m_previousBox = SetMessageBoxHandler([this](const std::string& text) { Note("box " + text); });
    // Coarse virtual counter steps keep the pacing waits short in real time.
    line.counterStepNanoseconds = 50'000;
    line.onEvent = [this](const std::string& event) { Note(event); };
    StartModule(sim::Memory{});
}

void LineTest::TearDown() {
    g_hPort.reset();
    SetMessageBoxHandler(m_previousBox);
    UseSerialPortSystem(m_previousSystem);
}

void LineTest::StartModule(const sim::Memory& memory, sim::Faults faults, std::string version) {
    module = std::make_unique<sim::SimulatedModule>(memory, std::move(version), faults);
    line.module = [this, parser = std::make_shared<sim::FrameParser>()](FakeSerialLine&,
                                                                        std::uint8_t) {
        if (const auto request = parser->Feed(line.sent.back().value)) {
            Answer(*request);
        }
    };
}

void LineTest::Answer(const sim::Request& request) {
    FinishFrame();
    const auto kind = static_cast<std::size_t>(request.kind);
    const std::size_t frameBytes[] = {5 + request.data.size(), 5, 1, 5};
    m_frame = kind < 2 ? Frame("wr"[kind], request.address, request.length, "")
                       : std::string(kind == 2 ? "v @" : "x!!! @");
    m_frameEnd = line.sent.size();
    m_frameFirstByte = m_frameEnd - frameBytes[kind];
    std::vector<std::uint8_t> reply = module->Answer(request);
    if (moduleOwnsBytes3To5 && request.kind == sim::RequestKind::ReadMemory &&
        request.address == 0) {
        ++reply[5];
        --reply.back();
    }
    line.Receive(reply);
}

// A frame is told once the next thing happens on the line, so the wait after its last byte
// counts too.
void LineTest::FinishFrame() {
    if (m_frame.empty()) {
        return;
    }
    std::vector<double> gaps;
    for (std::size_t i = m_frameFirstByte; i < m_frameEnd; ++i) {
        const double next =
            i + 1 < line.sent.size() ? line.sent[i + 1].atMicroseconds : line.NowMicroseconds();
        gaps.push_back(next - line.sent[i].atMicroseconds);
    }
    trace.push_back(m_frame + ShortestGap(gaps));
    m_frame.clear();
}

void LineTest::Note(const std::string& event) {
    FinishFrame();
    trace.push_back(event);
}
