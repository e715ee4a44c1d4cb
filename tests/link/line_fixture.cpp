#include "line_fixture.h"

#include "link/port_handle.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

Trace operator+(Trace head, const Trace& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Trace Expected(const std::string& scenario) {
    const std::size_t area = scenario.find('/');
    std::ifstream file(std::string(GRT8_TESTS_FOLDER) + "/" + scenario.substr(0, area) +
                       "/expected" + scenario.substr(area) + ".txt");
    Trace trace;
    for (std::string entry; std::getline(file, entry);) {
        const bool lineBreak = entry.ends_with("\\r\\n");
        trace.push_back(lineBreak ? entry.substr(0, entry.size() - 4) + "\r\n" : entry);
    }
    return trace;
}

// Coarse virtual counter steps keep the pacing waits short in real time.
LineTest::LineTest()
    : m_previousSystem(UseSerialPortSystem(&line)),
      m_previousBox(
          SetMessageBoxHandler([this](const std::string& text) { Note("box " + text); })) {
    line.counterStepNanoseconds = 50'000;
    line.onEvent = [this](const std::string& event) { Note(event); };
    StartModule(sim::Memory{});
}

LineTest::~LineTest() {
    g_hPort.reset();
    SetMessageBoxHandler(m_previousBox);
    UseSerialPortSystem(m_previousSystem);
}

void LineTest::StartModule(const sim::Memory& memory, sim::Faults faults, std::string version) {
    module = std::make_unique<sim::SimulatedModule>(memory, std::move(version), faults);
    line.module = [this, parser = std::make_shared<sim::FrameParser>()](FakeSerialLine&,
                                                                        std::uint8_t byte) {
        if (const auto request = parser->Feed(byte)) {
            Answer(*request);
        }
    };
}

void LineTest::Answer(const sim::Request& request) {
    FinishFrame();
    const auto kind = static_cast<std::size_t>(request.kind);
    char name[32];
    std::snprintf(name, sizeof name, "%c %04X %d @", "wr"[kind % 2], request.address,
                  request.length);
    m_frame = kind < 2 ? name : kind == 2 ? "v @" : "x!!! @";
    m_frameBytes = kind < 2 ? 5 + request.data.size() : kind == 2 ? 1 : 5;
    m_frameFirstByte = line.sent.size() - m_frameBytes;
    std::vector<std::uint8_t> reply = module->Answer(request);
    if (request.kind == sim::RequestKind::ReadMemory && request.address == 0 && reply.size() > 6) {
        ++reply[5];
        --reply.back();
    }
    line.Receive(reply);
}

// A frame is told once the next thing happens on the line, so the wait after its last byte
// counts too; in tenths of a millisecond, cut rather than rounded, as the counter's steps only
// ever add.
void LineTest::FinishFrame() {
    if (!m_frame.empty()) {
        double shortest = 1e12;
        for (std::size_t i = m_frameFirstByte; i < m_frameFirstByte + m_frameBytes; ++i) {
            const double next =
                i + 1 < line.sent.size() ? line.sent[i + 1].atMicroseconds : line.NowMicroseconds();
            shortest = std::min(shortest, next - line.sent[i].atMicroseconds);
        }
        char gap[16];
        std::snprintf(gap, sizeof gap, "%.1f", static_cast<int>(shortest / 100) / 10.0);
        trace.push_back(m_frame + gap);
        m_frame.clear();
    }
}

void LineTest::Note(const std::string& event) {
    FinishFrame();
    trace.push_back(event);
}
