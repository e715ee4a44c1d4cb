#include "operation_fixture.h"
#include "operations/send_configuration.h"

#include <algorithm>

namespace {

class SendOperationTest : public OperationTest {
protected:
    OperationResult Send() { return SendConfiguration(link, image, ModulePort::Com('1'), log); }

    bool ModuleHoldsTheImage(std::size_t from, std::size_t to) const {
        return std::equal(image.begin() + from, image.begin() + to, ModuleMemory().begin() + from);
    }

    ConfigImage image = PatternImage(3);
};

std::string BlockLines(int block, int failedAttempts = 0) {
    const std::string heading = "Zapis bloku " + std::to_string(block) + "...\r\n";
    std::string lines;
    for (int attempt = 0; attempt < failedAttempts; ++attempt) {
        lines += heading + "Weryfikacja ...Ponowny zapis.\r\n";
    }
    return failedAttempts == 4 ? lines : lines + heading + "Weryfikacja ...OK.\r\n";
}

const std::string kContactLines = "Otwarcie portu COM1\r\nNawiązywanie połączenia...\r\n";
const std::string kClosingLines =
    "Ładowanie konfiguracji zakończone.\r\nRestart modułu z nową konfiguracją...OK.\r\n";

TEST_F(SendOperationTest, WritesVerifiesAndRestarts) {
    StartModule(PatternMemory(7));
    image[5] = 0x55;
    const OperationResult result = Send();
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(result.blocksWritten, 4);
    EXPECT_EQ(log.pane, kContactLines + BlockLines(1) + BlockLines(2) + BlockLines(3) +
                            BlockLines(4) + kClosingLines);
    EXPECT_EQ(log.text, "") << "a send empties the log text as well";
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_EQ(image[5], 0);
    EXPECT_TRUE(ModuleHoldsTheImage(3, 512));
    EXPECT_TRUE(
        std::equal(ModuleMemory().begin(), ModuleMemory().begin() + 3, PatternMemory(7).begin()))
        << "the module's first three bytes are never written";
    EXPECT_EQ(Restarts(), 1);
    EXPECT_FALSE(line.isOpen);
}

TEST_F(SendOperationTest, RewritesABlockUntilItReadsBackRight) {
    StartModule(PatternMemory(7), CorruptWrite(3, 2));
    EXPECT_TRUE(Send().Completed());
    EXPECT_EQ(log.pane, kContactLines + BlockLines(1) + BlockLines(2) + BlockLines(3, 2) +
                            BlockLines(4) + kClosingLines);
    EXPECT_TRUE(ModuleHoldsTheImage(3, 512));
    EXPECT_EQ(Restarts(), 1);
}

TEST_F(SendOperationTest, GivesUpAfterFourAttemptsWithoutRestart) {
    StartModule(PatternMemory(7), CorruptWrite(2, 100));
    image[5] = 0x55;
    const double start = ElapsedSeconds();
    const OperationResult result = Send();
    EXPECT_EQ(result.stage, OperationStage::BlockNotVerified);
    EXPECT_EQ(result.block, 2);
    EXPECT_EQ(result.blocksWritten, 2);
    EXPECT_EQ(log.pane, kContactLines + BlockLines(1) + BlockLines(2, 4));
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Błąd weryfikacji 2"});
    EXPECT_EQ(image[5], 0) << "byte 5 stays cleared after a failed send";
    EXPECT_TRUE(ModuleHoldsTheImage(6, 128)) << "earlier blocks stay written";
    EXPECT_FALSE(ModuleHoldsTheImage(256, 512)) << "later blocks are not written";
    EXPECT_EQ(Restarts(), 0);
    EXPECT_FALSE(line.isOpen);
    EXPECT_GT(ElapsedSeconds() - start, 4 * 0.5) << "each failed attempt pauses 500 ms";
}

TEST_F(SendOperationTest, FirstBlockComparesOnlyFromByteSix) {
    sim::Memory memory = PatternMemory(7);
    StartModule(memory, CorruptWrite(1, 4));
    EXPECT_EQ(Send().block, 1);
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Błąd weryfikacji 1"});

    // Bytes 0-2 are never written and may differ from the image without a retry.
    messageBoxes.clear();
    StartModule(memory);
    image[0] = static_cast<std::uint8_t>(memory[0] + 1);
    EXPECT_TRUE(Send().Completed());
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_EQ(log.pane.find("Ponowny zapis."), std::string::npos);
}

TEST_F(SendOperationTest, ToleratesNoiseAfterEveryWrite) {
    StartModule(PatternMemory(7), NoiseAfterWrite(40));
    EXPECT_TRUE(Send().Completed());
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_TRUE(ModuleHoldsTheImage(3, 512));
    EXPECT_EQ(Restarts(), 1);
}

TEST_F(SendOperationTest, NoContactWritesNothing) {
    StartModule(PatternMemory(7), sim::Faults{}, "G8");
    image[5] = 0x55;
    const OperationResult result = Send();
    EXPECT_EQ(result.stage, OperationStage::NoContact);
    EXPECT_EQ(result.blocksWritten, 0);
    EXPECT_EQ(log.pane, kContactLines + "Brak połączenia z modułem.\r\n");
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Brak połączenia."});
    EXPECT_EQ(image[5], 0x55);
    EXPECT_EQ(ModuleMemory(), PatternMemory(7));
}

} // namespace
