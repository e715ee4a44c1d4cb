#include "operation_fixture.h"
#include "operations/read_configuration.h"
#include "tests/core/temporary_folder.h"

#include <algorithm>

namespace {

class ReadOperationTest : public OperationTest {
protected:
    OperationResult Read(const std::optional<std::filesystem::path>& dump = std::nullopt) {
        return ReadConfiguration(link, image, ModulePort::Com('2'), log, dump);
    }

    ConfigImage image = PatternImage(3);
    const ConfigImage before = PatternImage(3);
};

const std::string kReadLines = "Otwarcie portu COM2\r\nNawiązywanie połączenia...\r\n"
                               "Odczyt bloku 1...\r\nOdczyt bloku 2...\r\n"
                               "Odczyt bloku 3...\r\nOdczyt bloku 4...\r\n";

TEST_F(ReadOperationTest, FillsTheModulesBytesAndKeepsTheRest) {
    StartModule(PatternMemory(7));
    EXPECT_TRUE(Read().Completed());
    EXPECT_EQ(log.pane, kReadLines + "Odczyt konfiguracji zakończony.\r\n");
    EXPECT_EQ(log.text, "earlier log text\r\n");
    EXPECT_TRUE(messageBoxes.empty());
    const sim::Memory memory = PatternMemory(7);
    EXPECT_TRUE(std::equal(memory.begin(), memory.end(), image.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 512, image.end(), before.begin() + 512));
    EXPECT_FALSE(line.isOpen);
}

TEST_F(ReadOperationTest, RetriesABlockUpToEightTimes) {
    StartModule(PatternMemory(7), BadCheckByte(2, 7));
    EXPECT_TRUE(Read().Completed());
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_EQ(image[200], PatternMemory(7)[200]);
}

// A read that fails part-way leaves the whole image as it was, not half of one module.
TEST_F(ReadOperationTest, AFailedBlockLeavesTheImageUntouched) {
    for (const sim::Faults& faults : {BadCheckByte(3, 8), ShortReply(3, 100)}) {
        messageBoxes.clear();
        StartModule(PatternMemory(7), faults);
        const OperationResult result = Read();
        EXPECT_EQ(result.stage, OperationStage::BlockNotRead);
        EXPECT_EQ(result.block, 3);
        EXPECT_EQ(messageBoxes, std::vector<std::string>{"Błąd odczytu 3."});
        EXPECT_EQ(log.pane, "Otwarcie portu COM2\r\nNawiązywanie połączenia...\r\n"
                            "Odczyt bloku 1...\r\nOdczyt bloku 2...\r\nOdczyt bloku 3...\r\n");
        EXPECT_EQ(image, before);
        EXPECT_FALSE(line.isOpen);
    }
}

TEST_F(ReadOperationTest, NoContactLeavesTheImageUntouched) {
    StartModule(PatternMemory(7), Silent());
    EXPECT_EQ(Read().stage, OperationStage::NoContact);
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Brak połączenia."});
    EXPECT_EQ(image, before);
}

TEST_F(ReadOperationTest, WritesTheRawDumpOnlyAfterACompleteRead) {
    TemporaryFolder folder;
    const auto dump = folder / "eeprom.bin";
    WriteAllBytes(dump, {1, 2, 3});
    StartModule(PatternMemory(7), BadCheckByte(4, 8));
    Read(dump);
    EXPECT_EQ(ReadAllBytes(dump), (std::vector<unsigned char>{1, 2, 3}));

    StartModule(PatternMemory(9));
    Read(dump);
    const sim::Memory memory = PatternMemory(9);
    EXPECT_EQ(ReadAllBytes(dump), std::vector<unsigned char>(memory.begin(), memory.end()));

    Read();
    EXPECT_EQ(ReadAllBytes(dump).size(), 512u) << "no dump asked for, the old one stays";
}

} // namespace
