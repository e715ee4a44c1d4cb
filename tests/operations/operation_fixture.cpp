#include "operation_fixture.h"

#include "link/port_handle.h"
#include "tools/sim_frame_parser.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kNoticedPauseMicroseconds = 100'000;
constexpr std::size_t kFlushBytes = 64;

std::string FrameName(const sim::Request& request) {
    switch (request.kind) {
    case sim::RequestKind::Version:
        return "v";
    case sim::RequestKind::Restart:
        return "x!!!";
    default:
        break;
    }
    char name[32];
    std::snprintf(name, sizeof name, "%c %04X %d",
                  request.kind == sim::RequestKind::WriteMemory ? 'w' : 'r', request.address,
                  request.length);
    return name;
}

void SpoilBytes3To5(std::vector<std::uint8_t>& reply) {
    for (std::size_t i = 3; i <= 5; ++i) {
        reply[i] = static_cast<std::uint8_t>(reply[i] + 0x11);
    }
    reply.back() = static_cast<std::uint8_t>(reply.back() - 3 * 0x11);
}

} // namespace

void OperationTest::SetUp() {
    m_previousSystem = UseSerialPortSystem(&line);
    m_previousBox = SetMessageBoxHandler([this](const std::string& text) { Note("box " + text); });
    // Coarse virtual counter steps keep the pacing waits short in real time.
    line.counterStepNanoseconds = 50'000;
    line.onRead = [this](std::size_t count) {
        if (count == kFlushBytes) {
            Note("flush");
        }
    };
    StartModule(sim::Memory{});
}

void OperationTest::TearDown() {
    g_hPort.reset();
    SetMessageBoxHandler(m_previousBox);
    UseSerialPortSystem(m_previousSystem);
}

void OperationTest::StartModule(const sim::Memory& memory, sim::Faults faults,
                                std::string version) {
    m_module = std::make_unique<sim::SimulatedModule>(memory, std::move(version), faults);
    line.module = [this, parser = std::make_shared<sim::FrameParser>()](FakeSerialLine&,
                                                                        std::uint8_t byte) {
        NotePause();
        if (const auto request = parser->Feed(byte)) {
            Answer(*request);
        }
    };
}

void OperationTest::Answer(const sim::Request& request) {
    Note(FrameName(request));
    std::vector<std::uint8_t> reply = m_module->Answer(request);
    if (moduleOwnsBytes3To5 && request.kind == sim::RequestKind::ReadMemory &&
        request.address == 0 && reply.size() > 6) {
        SpoilBytes3To5(reply);
    }
    line.Receive(reply);
}

void OperationTest::NotePause() {
    const double quiet = line.NowMicroseconds() - line.lastActivityMicroseconds;
    if (quiet >= kNoticedPauseMicroseconds) {
        trace.push_back("pause " + std::to_string(std::lround(quiet / 1000)) + " ms");
        line.lastActivityMicroseconds = line.NowMicroseconds();
    }
}

void OperationTest::Note(std::string event) {
    NotePause();
    trace.push_back(std::move(event));
}

sim::Memory PatternMemory(std::uint8_t seed) {
    sim::Memory memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * seed + 11);
    }
    return memory;
}

ConfigImage PatternImage(std::uint8_t seed) {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * seed + 5);
    }
    return image;
}
