#include "operation_fixture.h"

#include "link/port_handle.h"
#include "tools/sim_frame_parser.h"

void OperationTest::SetUp() {
    m_previousSystem = UseSerialPortSystem(&line);
    m_previousBox =
        SetMessageBoxHandler([this](const std::string& text) { messageBoxes.push_back(text); });
    // Coarse virtual counter steps keep the pacing waits short in real time.
    line.counterStepNanoseconds = 50'000;
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
    line.module = [this, parser = std::make_shared<sim::FrameParser>()](FakeSerialLine& fakeLine,
                                                                        std::uint8_t byte) {
        if (const auto request = parser->Feed(byte)) {
            fakeLine.Receive(m_module->Answer(*request));
        }
    };
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

sim::Faults BadCheckByte(int block, int times) {
    sim::Faults faults;
    faults.badCheckByte = {block, times};
    return faults;
}

sim::Faults ShortReply(int block, int times) {
    sim::Faults faults;
    faults.shortReply = {block, times};
    return faults;
}

sim::Faults CorruptWrite(int block, int times) {
    sim::Faults faults;
    faults.corruptWrite = {block, times};
    return faults;
}

sim::Faults Silent() {
    sim::Faults faults;
    faults.silent = true;
    return faults;
}

sim::Faults NoiseAfterWrite(std::size_t bytes) {
    sim::Faults faults;
    faults.noiseAfterWrite = bytes;
    return faults;
}
