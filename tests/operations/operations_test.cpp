#include "line_fixture.h"
#include "operations/module_version.h"
#include "operations/read_configuration.h"
#include "operations/send_configuration.h"
#include "tests/core/temporary_folder.h"

#include <algorithm>
#include <functional>

namespace {

using Bytes = std::vector<unsigned char>;

template <typename Memory> Memory Pattern(unsigned factor) {
    Memory memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * factor + 5);
    }
    return memory;
}

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

Trace Contact(const std::string& port, int versionQueries = 1) {
    Trace trace = {"log Otwarcie portu " + port + "\r\n",
                   "open " + port,
                   "line 1200",
                   "timeouts 0 10 100 0 100",
                   "queues 1024 1024",
                   "dtr",
                   "log Nawiązywanie połączenia...\r\n"};
    for (int query = 0; query < versionQueries; ++query) {
        trace = trace + Trace{"read 64", "v @20.0", "sleep 20", "read 10"};
    }
    return trace;
}

Trace SendAttempts(int block, int failed, bool verified) {
    const int address = (block - 1) * 128;
    Trace trace;
    for (int attempt = 0; attempt <= failed; ++attempt) {
        const bool ok = attempt == failed && verified;
        trace =
            trace + Trace{"log Zapis bloku " + std::to_string(block) + "...\r\n"} +
            (block == 1 ? Trace{"read 64", Frame('w', 3, 131)} : Trace{Frame('w', address, 128)}) +
            Trace{"read 64",
                  "log Weryfikacja ...",
                  Frame('r', address, 128),
                  "read 129",
                  "read 64",
                  ok ? "log OK.\r\n" : "log Ponowny zapis.\r\n"} +
            (ok ? Trace{} : Trace{"sleep 500"});
    }
    return trace;
}

// The module answers with noise after every write and keeps bytes 3 to 5 to itself; it stores
// block 3 wrongly twice, then each block in turn four times: a block is written again after a
// pause until it reads back right, four times at most, and only a complete send restarts it.
TEST_F(OperationTest, SendWritesAndVerifiesEveryBlockThenRestarts) {
    moduleOwnsBytes3To5 = true;
    for (int failing = 0; failing <= 4; ++failing) {
        trace.clear();
        image = Pattern<ConfigImage>(3);
        image[5] = 0x55;
        StartModule(Pattern<sim::Memory>(7),
                    Fault(&sim::Faults::corruptWrite, failing ? failing : 3, failing ? 100 : 2));

        const OperationResult result = SendConfiguration(link, image, ModulePort::Com('1'), *this);

        Trace expected = Trace{"clear pane and text"} + Contact("COM1");
        for (int block = 1; block <= (failing ? failing : 4); ++block) {
            const int failed = block == failing ? 3 : failing == 0 && block == 3 ? 2 : 0;
            expected = expected + SendAttempts(block, failed, block != failing);
        }
        const Trace end = failing ? Trace{"box Błąd weryfikacji " + std::to_string(failing)}
                                  : Trace{"log Ładowanie konfiguracji zakończone.\r\n",
                                          "log Restart modułu z nową konfiguracją...",
                                          "sleep 20",
                                          "sleep 20",
                                          "sleep 20",
                                          "sleep 20",
                                          "x!!! @20.0",
                                          "sleep 20",
                                          "log OK.\r\n"};
        EXPECT_EQ(trace, (expected + end + Trace{"close"}));
        EXPECT_EQ(result.block, failing);
        EXPECT_EQ(result.blocksWritten, failing ? failing : 4);
        EXPECT_EQ(module->restarts(), failing ? 0 : 1);
        EXPECT_EQ(image[5], 0);
        const auto moduleBytes = [&](int from, int to) {
            return std::equal(image.begin() + from, image.begin() + to,
                              module->memory().begin() + from);
        };
        const int verifiedEnd = failing ? (failing - 1) * 128 : 512;
        EXPECT_TRUE(verifiedEnd <= 6 || moduleBytes(6, verifiedEnd));
        EXPECT_TRUE(failing == 0 || failing == 4 || !moduleBytes(failing * 128, 512));
        EXPECT_TRUE(std::equal(module->memory().begin(), module->memory().begin() + 3,
                               Pattern<sim::Memory>(7).begin()));
    }
}

Trace ReadBlock(int block, int tries = 1) {
    Trace trace = {"log Odczyt bloku " + std::to_string(block) + "...\r\n", "read 64"};
    for (int attempt = 0; attempt < tries; ++attempt) {
        trace = trace + Trace{Frame('r', (block - 1) * 128, 128), "read 129"};
    }
    return trace;
}

// Each block is tried up to eight times; only a complete read replaces the image's bytes 0 to
// 511 and writes the raw dump.
TEST_F(OperationTest, ReadFillsTheImageOnlyWhenEveryBlockCameIntact) {
    WriteAllBytes(folder / "eeprom.bin", {1, 2, 3});
    const sim::Memory memory = Pattern<sim::Memory>(7);
    for (const sim::Faults& faults :
         {Fault(&sim::Faults::badCheckByte, 3, 8), Fault(&sim::Faults::shortReply, 3, 100),
          Fault(&sim::Faults::badCheckByte, 3, 7)}) {
        trace.clear();
        StartModule(memory, faults);

        const OperationResult result =
            ReadConfiguration(link, image, ModulePort::Com('1'), *this, folder / "eeprom.bin");

        const bool complete = faults.badCheckByte.times == 7;
        EXPECT_EQ(result.block, complete ? 0 : 3);
        EXPECT_EQ(trace,
                  (Trace{"clear pane"} + Contact("COM1") + ReadBlock(1) + ReadBlock(2) +
                   ReadBlock(3, 8) +
                   (complete ? ReadBlock(4) + Trace{"log Odczyt konfiguracji zakończony.\r\n"}
                             : Trace{"box Błąd odczytu 3."}) +
                   Trace{"close"}));
        ConfigImage expected = Pattern<ConfigImage>(3);
        std::copy(memory.begin(), complete ? memory.end() : memory.begin(), expected.begin());
        EXPECT_EQ(image, expected);
        EXPECT_EQ(ReadAllBytes(folder / "eeprom.bin"),
                  (complete ? Bytes(memory.begin(), memory.end()) : Bytes{1, 2, 3}));
    }
}

// The answer is shown as received up to ten bytes or a zero byte; settings the port refuses are
// reported and the operation goes on.
TEST_F(OperationTest, TheVersionIsShownAsReceived) {
    const std::pair<std::string, std::string> cases[] = {
        {"G8v1.07", "G8v1.07"},
        {"G8v\x01\x7f"
         "56789AB",
         "G8v\x01\x7f"
         "56789"},
        {"G8v\xB9", "G8vą"},
        {std::string("G8v2\0xyz", 8), "G8v2"},
    };
    for (const auto& [answer, shown] : cases) {
        trace.clear();
        StartModule({}, {}, answer);

        EXPECT_EQ(ShowModuleVersion(link, ModulePort::Com('1'), *this).version, shown);

        EXPECT_EQ(trace, (Trace{"clear pane"} + Contact("COM1") +
                          Trace{"log Wersja modułu : " + shown + "\r\n", "close"}));
    }
    trace.clear();
    line.refuseLineSettingsRead = line.refuseLineSettings = line.refuseTimeouts = true;
    EXPECT_TRUE(ShowModuleVersion(link, ModulePort::Com('1'), *this).Completed());
    Trace expected = Contact("COM1");
    expected.erase(expected.begin() + 2, expected.begin() + 4);
    expected.insert(expected.begin() + 2, {"box Getcommstate ERROR", "box Błąd ustawienia portu !",
                                           "box Błąd wpisu timeouts !"});
    EXPECT_EQ(trace,
              (Trace{"clear pane"} + expected + Trace{"log Wersja modułu : G8v2\r\n", "close"}));
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
    sim::Faults silent;
    silent.silent = true;
    const std::pair<sim::Faults, std::string> modules[] = {
        {silent, "G8v1.07"}, {{}, "X8v1.07"}, {{}, "G8"}};
    for (const auto& [operation, clearing] : operations) {
        for (const auto& [faults, version] : modules) {
            trace.clear();
            StartModule(Pattern<sim::Memory>(7), faults, version);
            line.portExists = false;
            const OperationResult notOpened = operation(ModulePort::Device("/dev/ttyUSB3"));
            line.portExists = true;

            EXPECT_EQ(operation(ModulePort::Com('7')).stage, OperationStage::NoContact);

            EXPECT_EQ(notOpened.stage, OperationStage::PortNotOpened);
            EXPECT_EQ(notOpened.portError.reason, PortOpenReason::NoSuchDevice);
            EXPECT_EQ(trace, (Trace{clearing, "log Otwarcie portu /dev/ttyUSB3\r\n",
                                    "open /dev/ttyUSB3", "log Błąd otwarcia portu !\r\n",
                                    "box Błąd otwarcia portu /dev/ttyUSB3 !", clearing} +
                              Contact("COM7", 4) +
                              Trace{"box Brak połączenia.", "log Brak połączenia z modułem.\r\n",
                                    "close"}));
            EXPECT_EQ(image, Pattern<ConfigImage>(3));
            EXPECT_EQ(module->memory(), Pattern<sim::Memory>(7));
            EXPECT_FALSE(std::filesystem::exists(folder / "eeprom.bin"));
        }
    }
}

} // namespace
