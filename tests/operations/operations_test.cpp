#include "operation_fixture.h"
#include "operations/module_version.h"
#include "operations/read_configuration.h"
#include "operations/send_configuration.h"
#include "tests/core/temporary_folder.h"

#include <algorithm>
#include <cstdio>

namespace {

using Trace = std::vector<std::string>;

Trace operator+(Trace head, const Trace& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Trace Contact(const std::string& port, int versionQueries = 1) {
    Trace trace = {"log Otwarcie portu " + port + "\r\n", "log Nawiązywanie połączenia...\r\n"};
    for (int query = 0; query < versionQueries; ++query) {
        trace = trace + Trace{"flush", "v"};
    }
    return trace;
}

const Trace kNoContact =
    Contact("COM1", 4) + Trace{"box Brak połączenia.", "log Brak połączenia z modułem.\r\n"};

std::string Frame(char kind, int address, int length) {
    char name[16];
    std::snprintf(name, sizeof name, "%c %04X %d", kind, address, length);
    return name;
}

sim::Faults Fault(sim::BlockFault sim::Faults::*which, int block, int times) {
    sim::Faults faults;
    faults.*which = {block, times};
    return faults;
}

// ---- Sending --------------------------------------------------------------------------------

Trace SendAttempt(int block, bool verified) {
    const int address = (block - 1) * 128;
    Trace trace = {"log Zapis bloku " + std::to_string(block) + "...\r\n"};
    if (block == 1) {
        trace.push_back("flush");
    }
    return trace +
           Trace{block == 1 ? Frame('w', 3, 131) : Frame('w', address, 128),
                 "flush",
                 "log Weryfikacja ...",
                 Frame('r', address, 128),
                 "flush",
                 verified ? "log OK.\r\n" : "log Ponowny zapis.\r\n"} +
           (verified ? Trace{} : Trace{"pause 500 ms"});
}

Trace SendBlock(int block, int failedAttempts) {
    Trace trace;
    for (int attempt = 0; attempt < failedAttempts; ++attempt) {
        trace = trace + SendAttempt(block, false);
    }
    return failedAttempts == 4 ? trace : trace + SendAttempt(block, true);
}

class SendTest : public OperationTest {
protected:
    OperationResult Send() { return SendConfiguration(link, image, ModulePort::Com('1'), log()); }
    bool ModuleHolds(std::size_t from, std::size_t to) const {
        return std::equal(image.begin() + from, image.begin() + to, ModuleMemory().begin() + from);
    }

    ConfigImage image = PatternImage(3);
};

// The module answers with noise after every write, keeps bytes 3 to 5 to itself, and stores
// block 3 wrongly twice: each is retried after its pause, and nothing else is.
TEST_F(SendTest, WritesVerifiesEveryBlockAndRestarts) {
    sim::Faults faults = Fault(&sim::Faults::corruptWrite, 3, 2);
    faults.noiseAfterWrite = 40;
    StartModule(PatternMemory(7), faults);
    moduleOwnsBytes3To5 = true;
    image[5] = 0x55;

    const OperationResult result = Send();

    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(result.blocksWritten, 4);
    const Trace closing = {"log Ładowanie konfiguracji zakończone.\r\n",
                           "log Restart modułu z nową konfiguracją...", "x!!!", "log OK.\r\n"};
    EXPECT_EQ(trace, Trace{"clear pane and text"} + Contact("COM1") + SendBlock(1, 0) +
                         SendBlock(2, 0) + SendBlock(3, 2) + SendBlock(4, 0) + closing);
    EXPECT_EQ(logText, "");
    EXPECT_EQ(image[5], 0);
    EXPECT_TRUE(ModuleHolds(3, 512));
    EXPECT_TRUE(
        std::equal(ModuleMemory().begin(), ModuleMemory().begin() + 3, PatternMemory(7).begin()));
    EXPECT_EQ(Restarts(), 1);
    EXPECT_FALSE(line.isOpen);
}

TEST_F(SendTest, ABlockUnverifiedFourTimesEndsTheSendWithoutRestart) {
    for (int failing = 1; failing <= 4; ++failing) {
        trace.clear();
        image = PatternImage(3);
        image[5] = 0x55;
        StartModule(PatternMemory(7), Fault(&sim::Faults::corruptWrite, failing, 100));

        const OperationResult result = Send();

        EXPECT_EQ(result.stage, OperationStage::BlockNotVerified);
        EXPECT_EQ(result.block, failing);
        EXPECT_EQ(result.blocksWritten, failing);
        Trace expected = Trace{"clear pane and text"} + Contact("COM1");
        for (int block = 1; block <= failing; ++block) {
            expected = expected + SendBlock(block, block == failing ? 4 : 0);
        }
        EXPECT_EQ(trace, expected + Trace{"box Błąd weryfikacji " + std::to_string(failing)});
        EXPECT_EQ(image[5], 0);
        EXPECT_TRUE(failing == 1 || ModuleHolds(6, (failing - 1) * 128)) << "earlier blocks stay";
        EXPECT_TRUE(failing == 4 || !ModuleHolds(failing * 128, 512)) << "later ones go unwritten";
        EXPECT_EQ(Restarts(), 0);
        EXPECT_FALSE(line.isOpen);
    }
}

TEST_F(SendTest, NoContactWritesNothing) {
    StartModule(PatternMemory(7), {}, "G8");
    image[5] = 0x55;

    EXPECT_EQ(Send().stage, OperationStage::NoContact);
    EXPECT_EQ(trace, Trace{"clear pane and text"} + kNoContact);
    EXPECT_EQ(image[5], 0x55);
    EXPECT_EQ(ModuleMemory(), PatternMemory(7));
    EXPECT_FALSE(line.isOpen);
}

// ---- Reading --------------------------------------------------------------------------------

Trace ReadBlock(int block, int tries = 1) {
    Trace trace = {"log Odczyt bloku " + std::to_string(block) + "...\r\n", "flush"};
    return trace + Trace(static_cast<std::size_t>(tries), Frame('r', (block - 1) * 128, 128));
}

class ReadTest : public OperationTest {
protected:
    OperationResult Read(const std::optional<std::filesystem::path>& dump = std::nullopt) {
        return ReadConfiguration(link, image, ModulePort::Com('1'), log(), dump);
    }

    ConfigImage image = PatternImage(3);
    const ConfigImage before = PatternImage(3);
    TemporaryFolder folder;
};

TEST_F(ReadTest, FillsTheModulesBytesRetryingABlockUpToEightTimes) {
    StartModule(PatternMemory(7), Fault(&sim::Faults::badCheckByte, 2, 7));

    EXPECT_TRUE(Read(folder / "eeprom.bin").Completed());

    EXPECT_EQ(trace, Trace{"clear pane"} + Contact("COM1") + ReadBlock(1) + ReadBlock(2, 8) +
                         ReadBlock(3) + ReadBlock(4) +
                         Trace{"log Odczyt konfiguracji zakończony.\r\n"});
    EXPECT_EQ(logText, "earlier log text\r\n");
    const sim::Memory memory = PatternMemory(7);
    ConfigImage expected = before;
    std::copy(memory.begin(), memory.end(), expected.begin());
    EXPECT_EQ(image, expected);
    EXPECT_EQ(ReadAllBytes(folder / "eeprom.bin"),
              std::vector<unsigned char>(memory.begin(), memory.end()));
    EXPECT_FALSE(line.isOpen);
}

// A read that fails part-way leaves the whole image and an earlier dump as they were.
TEST_F(ReadTest, ABlockUnreadEightTimesLeavesImageAndDumpUntouched) {
    WriteAllBytes(folder / "eeprom.bin", {1, 2, 3});
    for (const sim::Faults& faults :
         {Fault(&sim::Faults::badCheckByte, 3, 8), Fault(&sim::Faults::shortReply, 3, 100)}) {
        trace.clear();
        StartModule(PatternMemory(7), faults);

        const OperationResult result = Read(folder / "eeprom.bin");

        EXPECT_EQ(result.stage, OperationStage::BlockNotRead);
        EXPECT_EQ(trace, Trace{"clear pane"} + Contact("COM1") + ReadBlock(1) + ReadBlock(2) +
                             ReadBlock(3, 8) + Trace{"box Błąd odczytu 3."});
        EXPECT_EQ(image, before);
        EXPECT_EQ(ReadAllBytes(folder / "eeprom.bin"), (std::vector<unsigned char>{1, 2, 3}));
        EXPECT_FALSE(line.isOpen);
    }
}

TEST_F(ReadTest, NoContactLeavesTheImageUntouched) {
    StartModule(PatternMemory(7), {}, "X8v1.07");
    EXPECT_EQ(Read().stage, OperationStage::NoContact);
    EXPECT_EQ(trace, Trace{"clear pane"} + kNoContact);
    EXPECT_EQ(image, before);
}

// ---- Version --------------------------------------------------------------------------------

using VersionTest = OperationTest;

TEST_F(VersionTest, ShowsTheAnswerAsReceivedUpToTenBytesOrAZeroByte) {
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

        EXPECT_EQ(ShowModuleVersion(link, ModulePort::Com('1'), log()).version, shown);

        EXPECT_EQ(trace, Trace{"clear pane"} + Contact("COM1") +
                             Trace{"log Wersja modułu : " + shown + "\r\n"});
        EXPECT_EQ(logText, "earlier log text\r\n");
        EXPECT_EQ(line.openedName, "COM1");
        EXPECT_FALSE(line.isOpen);
    }
}

TEST_F(VersionTest, AModuleWithoutTheRightAnswerCountsAsAbsent) {
    sim::Faults silent;
    silent.silent = true;
    for (const auto& [faults, answer] : {std::pair{silent, std::string("G8v1.07")},
                                         std::pair{sim::Faults{}, std::string("X8v1.07")},
                                         std::pair{sim::Faults{}, std::string("G8")}}) {
        trace.clear();
        StartModule({}, faults, answer);
        const double start = line.NowMicroseconds();

        EXPECT_EQ(ShowModuleVersion(link, ModulePort::Com('1'), log()).stage,
                  OperationStage::NoContact);

        EXPECT_EQ(trace, Trace{"clear pane"} + kNoContact) << answer;
        EXPECT_FALSE(line.isOpen);
        if (faults.silent) {
            EXPECT_NEAR(line.NowMicroseconds() - start, 4 * (740'000 + 20'000 + 200'000), 10'000);
        }
    }
}

// The log and the message name the port the way it was given.
TEST_F(VersionTest, NamesThePortAsGiven) {
    for (const auto& [port, name] :
         {std::pair{ModulePort::Com('7'), std::string("COM7")},
          std::pair{ModulePort::Device("/dev/ttyUSB3"), std::string("/dev/ttyUSB3")}}) {
        trace.clear();
        line.portExists = false;
        const OperationResult result = ShowModuleVersion(link, port, log());
        EXPECT_EQ(result.stage, OperationStage::PortNotOpened);
        EXPECT_EQ(result.portError.reason, PortOpenReason::NoSuchDevice);
        line.portExists = true;
        EXPECT_TRUE(ShowModuleVersion(link, port, log()).Completed());

        EXPECT_EQ(line.openedName, name);
        const Trace notOpened = {"clear pane", "log Otwarcie portu " + name + "\r\n",
                                 "log Błąd otwarcia portu !\r\n",
                                 "box Błąd otwarcia portu " + name + " !"};
        EXPECT_EQ(trace, notOpened + Trace{"clear pane"} + Contact(name) +
                             Trace{"log Wersja modułu : G8v1.07\r\n"});
    }
}

} // namespace
