#include "line_fixture.h"
#include "operations/module_version.h"
#include "operations/read_configuration.h"
#include "operations/send_configuration.h"
#include "tests/core/temporary_folder.h"

#include <algorithm>
#include <functional>

namespace {

template <typename Memory> Memory Pattern(unsigned factor) {
    Memory memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * factor + 5);
    }
    return memory;
}

const sim::Memory kModuleMemory = Pattern<sim::Memory>(7);

class OperationTest : public LineTest {
protected:
    ConfigImage image = Pattern<ConfigImage>(3);
    TemporaryFolder folder;
};

sim::Faults Fault(sim::BlockFault sim::Faults::*which, int block, int times) {
    sim::Faults faults;
    faults.*which = {block, times};
    faults.noiseAfterWrite = 40;
    return faults;
}

// The module answers with noise after every write and changes its byte 5 itself; it stores
// block 3 wrongly twice, or block 1 or 4 every time: a block is written again after a pause
// until it reads back right, four times at most, and only a complete send restarts the module.
TEST_F(OperationTest, SendWritesAndVerifiesEveryBlockThenRestarts) {
    for (const int failing : {0, 1, 4}) {
        trace.clear();
        image = Pattern<ConfigImage>(3);
        image[5] = 0x55;
        StartModule(kModuleMemory,
                    Fault(&sim::Faults::corruptWrite, failing ? failing : 3, failing ? 100 : 2));

        SendConfiguration(link, image, ModulePort::Com('1'), *this);

        const std::string block = std::to_string(failing);
        EXPECT_EQ(trace, Expected("operations/" +
                                  (failing ? "send_block_" + block + "_unverified" : "send")));
        EXPECT_EQ(image[5], 0);
        const int verifiedEnd = failing == 0 ? 512 : failing == 1 ? 3 : 384;
        EXPECT_TRUE(std::equal(image.begin() + 3, image.begin() + verifiedEnd,
                               module->memory().begin() + 3));
    }
}

// Each block is tried up to eight times; only a complete read replaces the image's bytes 0 to
// 511 and writes the raw dump.
TEST_F(OperationTest, ReadFillsTheImageOnlyWhenEveryBlockCameIntact) {
    WriteAllBytes(folder / "eeprom.bin", {1, 2, 3});
    const std::pair<sim::Faults, std::string> cases[] = {
        {Fault(&sim::Faults::badCheckByte, 3, 8), "read_block_3_bad_check_bytes"},
        {Fault(&sim::Faults::shortReply, 3, 100), "read_block_3_short_replies"},
        {Fault(&sim::Faults::badCheckByte, 3, 7), "read"}};
    for (const auto& [faults, scenario] : cases) {
        trace.clear();
        StartModule(kModuleMemory, faults);

        ReadConfiguration(link, image, ModulePort::Com('1'), *this, folder / "eeprom.bin");

        EXPECT_EQ(trace, Expected("operations/" + scenario));
        const bool complete = scenario == "read";
        ConfigImage expected = Pattern<ConfigImage>(3);
        std::copy(kModuleMemory.begin(), kModuleMemory.begin() + (complete ? 512 : 0),
                  expected.begin());
        expected[5] += complete;
        EXPECT_EQ(image, expected);
        EXPECT_EQ(ReadAllBytes(folder / "eeprom.bin"),
                  (complete ? std::vector<unsigned char>(expected.begin(), expected.begin() + 512)
                            : std::vector<unsigned char>{1, 2, 3}));
    }
}

// The answer is shown as received up to ten bytes or a zero byte; settings the port refuses are
// reported and the operation goes on.
TEST_F(OperationTest, TheVersionIsShownAsReceived) {
    const std::pair<std::string, std::string> cases[] = {{"G8v1.07", "G8v1.07"},
                                                         {"G8v\001\17756789AB", "G8v\001\17756789"},
                                                         {"G8v\xB9", "G8vą"},
                                                         {std::string("G8v2\0xyz", 8), "G8v2"}};
    for (const auto& [answer, shown] : cases) {
        trace.clear();
        StartModule({}, {}, answer);

        EXPECT_EQ(ShowModuleVersion(link, ModulePort::Com('1'), *this).version, shown);

        EXPECT_EQ(trace, (Expected("operations/version_query") +
                          (answer.size() >= 10 ? Trace{} : Trace{"sleep 200"}) +
                          Trace{"log Wersja modułu : " + shown + "\r\n", "close"}));
    }
    trace.clear();
    line.refuseSettings = true;
    EXPECT_TRUE(ShowModuleVersion(link, ModulePort::Com('1'), *this).Completed());
    EXPECT_EQ(trace, Expected("operations/version_with_settings_refused"));
}

// Without a port, or without a module that answers "G8v...", no operation changes the image or
// the module; the log and the message name the port the way it was given.
TEST_F(OperationTest, WithoutAPortOrAModuleNothingChanges) {
    using Operation = std::function<OperationResult(const ModulePort&)>;
    const std::pair<Operation, std::string> operations[] = {
        {[&](const ModulePort& port) { return SendConfiguration(link, image, port, *this); },
         "clear pane and text"},
        {[&](const ModulePort& port) {
             return ReadConfiguration(link, image, port, *this, folder / "eeprom.bin");
         },
         "clear pane"},
        {[&](const ModulePort& port) { return ShowModuleVersion(link, port, *this); },
         "clear pane"}};
    for (const auto& [operation, clearing] : operations) {
        for (const std::string version : {"", "X8v1.07", "G8"}) {
            trace.clear();
            StartModule(kModuleMemory, {}, version);
            line.portExists = false;
            const OperationResult notOpened = operation(ModulePort::Device("/dev/ttyUSB3"));
            line.portExists = true;

            EXPECT_EQ(operation(ModulePort::Com('7')).stage, OperationStage::NoContact);

            EXPECT_EQ(notOpened.portError.reason, PortOpenReason::NoSuchDevice);
            EXPECT_EQ(trace, (Trace{clearing} + Expected("operations/port_missing") +
                              Trace{clearing} + Expected("operations/no_module")));
            EXPECT_EQ(image, Pattern<ConfigImage>(3));
            EXPECT_EQ(module->memory(), kModuleMemory);
            EXPECT_FALSE(std::filesystem::exists(folder / "eeprom.bin"));
        }
    }
}

} // namespace
