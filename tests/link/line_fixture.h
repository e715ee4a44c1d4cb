#pragma once

#include "fake_serial_line.h"
#include "link/module_link.h"
#include "operations/operation_log.h"
#include "platform/message_box.h"
#include "tools/sim_module.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Trace = std::vector<std::string>;

Trace operator+(Trace head, const Trace& tail);

// The trace a scenario must leave: "operations/send" is tests/operations/expected/send.txt, one
// entry a line, a line break at an entry's end written as \r\n.
Trace Expected(const std::string& scenario);

// The module link on a line whose clock is virtual, with the simulated module's own logic at
// the far end. Everything anyone could see goes into one trace, in order: the port's opening,
// settings, reads, sleeps and closing, the log pane's changes, the message boxes, and every
// frame the module took with the shortest gap in milliseconds from one of its byte starts to
// the next thing on the line ("w 0080 128 @10.0"). Replies from address 0 carry another value
// in byte 5 than the module holds, as a module does that changes its bytes 3 to 5 itself.
class LineTest : public ::testing::Test, public OperationLog {
protected:
    LineTest();
    ~LineTest() override;

    // The module answers from `memory`, with the faults given.
    void StartModule(const sim::Memory& memory, sim::Faults faults = {},
                     std::string version = "G8v1.07");
    void Note(const std::string& event);

    void ClearLogPane() override { Note("clear pane"); }
    void ClearLogPaneAndText() override { Note("clear pane and text"); }
    void AppendToLogPane(const std::string& text) override { Note("log " + text); }

    FakeSerialLine line;
    CModuleLink link;
    std::unique_ptr<sim::SimulatedModule> module;
    Trace trace;

private:
    void Answer(const sim::Request& request);
    void FinishFrame();

    std::string m_frame;
    std::size_t m_frameFirstByte = 0;
    std::size_t m_frameBytes = 0;
    SerialPortSystem* m_previousSystem;
    MessageBoxHandler m_previousBox;
};
