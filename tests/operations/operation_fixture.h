#pragma once

#include "config/config_image.h"
#include "fake_serial_line.h"
#include "link/module_link.h"
#include "operations/operation_log.h"
#include "platform/message_box.h"
#include "tools/sim_module.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The pane and the log text behind it, as the console keeps them.
class RecordingLog : public OperationLog {
public:
    std::string pane = "earlier pane text\r\n";
    std::string text = "earlier log text\r\n";

    void ClearLogPane() override { pane.clear(); }
    void ClearLogPaneAndText() override {
        pane.clear();
        text.clear();
    }
    void AppendToLogPane(const std::string& line) override { pane += line; }
};

// A module operation against the simulated module, on a line whose clock is virtual.
class OperationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The module answers from `memory`, with the faults given.
    void StartModule(const sim::Memory& memory, sim::Faults faults = {},
                     std::string version = "G8v1.07");
    const sim::Memory& ModuleMemory() const { return m_module->memory(); }
    int Restarts() const { return m_module->restarts(); }
    double ElapsedSeconds() const { return line.NowMicroseconds() / 1e6; }

    FakeSerialLine line;
    CModuleLink link;
    RecordingLog log;
    std::vector<std::string> messageBoxes;

private:
    std::unique_ptr<sim::SimulatedModule> m_module;
    SerialPortSystem* m_previousSystem = nullptr;
    MessageBoxHandler m_previousBox;
};

sim::Memory PatternMemory(std::uint8_t seed);

// One fault of the simulated module, for the first `times` frames of `block`.
sim::Faults BadCheckByte(int block, int times);
sim::Faults ShortReply(int block, int times);
sim::Faults CorruptWrite(int block, int times);
sim::Faults Silent();
sim::Faults NoiseAfterWrite(std::size_t bytes);
ConfigImage PatternImage(std::uint8_t seed);
