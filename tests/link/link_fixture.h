#pragma once

#include "fake_serial_line.h"
#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "scripted_module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A fresh link on a FakeSerialLine driven by a ScriptedModule; message boxes are recorded.
class LinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousSystem = UseSerialPortSystem(&line);
        m_previousBox =
            SetMessageBoxHandler([this](const std::string& text) { messageBoxes.push_back(text); });
        line.module = [this](FakeSerialLine& fakeLine, std::uint8_t byte) {
            module(fakeLine, byte);
        };
    }

    void TearDown() override {
        g_hPort.reset();
        SetMessageBoxHandler(m_previousBox);
        UseSerialPortSystem(m_previousSystem);
    }

    void OpenLink() {
        ASSERT_TRUE(link.OpenPort('1'));
        line.sent.clear();
    }

    FakeSerialLine line;
    ScriptedModule module;
    CModuleLink link;
    std::vector<std::string> messageBoxes;

private:
    SerialPortSystem* m_previousSystem = nullptr;
    MessageBoxHandler m_previousBox;
};
