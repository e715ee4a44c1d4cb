#pragma once

#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "tools/sim_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// COM1 set to a device path for the length of a test.
class ComPortMapping {
public:
    explicit ComPortMapping(const std::string& devicePath) {
        if (const char* old = std::getenv(kVariable)) {
            m_previous = old;
        }
        setenv(kVariable, devicePath.c_str(), 1);
    }
    ~ComPortMapping() {
        if (m_previous) {
            setenv(kVariable, m_previous->c_str(), 1);
        } else {
            unsetenv(kVariable);
        }
    }
    ComPortMapping(const ComPortMapping&) = delete;
    ComPortMapping& operator=(const ComPortMapping&) = delete;

private:
    static constexpr char kVariable[] = "GRT8_COM1";
    std::optional<std::string> m_previous;
};

// theLink on COM1, which leads to a grt8-sim started by the test.
class PtyLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousBox =
            SetMessageBoxHandler([this](const std::string& text) { messageBoxes.push_back(text); });
    }

    void TearDown() override {
        theLink.ClosePort();
        g_hPort.reset();
        SetMessageBoxHandler(m_previousBox);
    }

    void StartSim(const std::vector<std::string>& options) {
        sim = std::make_unique<SimProcess>(GRT8_SIM_PATH, options);
        ASSERT_FALSE(sim->path().empty()) << sim->ErrorOutput();
        mapping = std::make_unique<ComPortMapping>(sim->path());
    }

    void OpenCom1() { ASSERT_TRUE(theLink.OpenPort('1')); }

    static double SecondsSince(std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<ComPortMapping> mapping;
    std::vector<std::string> messageBoxes;

private:
    MessageBoxHandler m_previousBox;
};
