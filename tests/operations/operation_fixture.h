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

// A module operation against the simulated module's own logic, on a line whose clock is
// virtual. Everything the operation does that anyone could see goes into one trace, in order:
// the log pane's changes, the message boxes, every frame the module took, every input flush,
// and every stretch of 100 ms or more in which nothing happened on the line.
class OperationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The module answers from `memory`, with the faults given.
    void StartModule(const sim::Memory& memory, sim::Faults faults = {},
                     std::string version = "G8v1.07");
    const sim::Memory& ModuleMemory() const { return m_module->memory(); }
    int Restarts() const { return m_module->restarts(); }
    OperationLog& log() { return m_log; }

    FakeSerialLine line;
    CModuleLink link;
    std::vector<std::string> trace;
    std::string logText = "earlier log text\r\n";
    // Replies from address 0 carry other values in bytes 3 to 5, as a module does that changes
    // them itself.
    bool moduleOwnsBytes3To5 = false;

private:
    class TraceLog : public OperationLog {
    public:
        explicit TraceLog(OperationTest& test) : m_test(test) {}
        void ClearLogPane() override { m_test.Note("clear pane"); }
        void ClearLogPaneAndText() override {
            m_test.logText.clear();
            m_test.Note("clear pane and text");
        }
        void AppendToLogPane(const std::string& text) override { m_test.Note("log " + text); }

    private:
        OperationTest& m_test;
    };

    void Note(std::string event);
    void NotePause();
    void Answer(const sim::Request& request);

    TraceLog m_log{*this};
    std::unique_ptr<sim::SimulatedModule> m_module;
    SerialPortSystem* m_previousSystem = nullptr;
    MessageBoxHandler m_previousBox;
};

sim::Memory PatternMemory(std::uint8_t seed);
ConfigImage PatternImage(std::uint8_t seed);
