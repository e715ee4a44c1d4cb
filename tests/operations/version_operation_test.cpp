#include "operation_fixture.h"
#include "operations/module_version.h"

namespace {

class VersionOperationTest : public OperationTest {
protected:
    OperationResult ShowVersion(char digit = '1') {
        return ShowModuleVersion(link, ModulePort::Com(digit), log);
    }
};

const std::string kContactLines = "Otwarcie portu COM1\r\nNawiązywanie połączenia...\r\n";

TEST_F(VersionOperationTest, ShowsTheModulesAnswerAndClosesThePort) {
    EXPECT_EQ(ShowVersion().version, "G8v1.07");
    EXPECT_EQ(log.pane, kContactLines + "Wersja modułu : G8v1.07\r\n");
    EXPECT_EQ(log.text, "earlier log text\r\n") << "only the pane is cleared";
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_EQ(line.openedName, "COM1");
    EXPECT_FALSE(line.isOpen);
}

TEST_F(VersionOperationTest, ShowsTenBytesAsReceivedAndStopsAtAZeroByte) {
    StartModule({}, {},
                "G8v\x01\x7f"
                "56789AB");
    ShowVersion();
    EXPECT_EQ(log.pane, kContactLines + "Wersja modułu : G8v\x01\x7f"
                                        "56789\r\n");

    StartModule({}, {}, "G8v\xB9");
    EXPECT_EQ(ShowVersion().version, "G8vą");
    EXPECT_EQ(log.pane, kContactLines + "Wersja modułu : G8vą\r\n") << "module texts are cp1250";

    StartModule({}, {}, std::string("G8v2\0xyz", 8));
    ShowVersion();
    EXPECT_EQ(log.pane, kContactLines + "Wersja modułu : G8v2\r\n");
}

TEST_F(VersionOperationTest, AModuleWithoutTheRightAnswerCountsAsAbsent) {
    sim::Faults silent;
    silent.silent = true;
    for (const auto& [faults, version] : {std::pair{silent, std::string("G8v1.07")},
                                          std::pair{sim::Faults{}, std::string("X8v1.07")},
                                          std::pair{sim::Faults{}, std::string("G8")}}) {
        messageBoxes.clear();
        StartModule({}, faults, version);
        const double start = ElapsedSeconds();
        EXPECT_EQ(ShowVersion().stage, OperationStage::NoContact);
        EXPECT_EQ(log.pane, kContactLines + "Brak połączenia z modułem.\r\n") << version;
        EXPECT_EQ(messageBoxes, std::vector<std::string>{"Brak połączenia."});
        EXPECT_FALSE(line.isOpen);
        if (faults.silent) {
            EXPECT_NEAR(ElapsedSeconds() - start, 4 * (0.740 + 0.020 + 0.200), 0.01);
        }
    }
}

TEST_F(VersionOperationTest, APortThatDoesNotOpenIsNamedWithItsDigit) {
    line.portExists = false;
    const OperationResult result = ShowVersion('7');
    EXPECT_EQ(result.stage, OperationStage::PortNotOpened);
    EXPECT_EQ(result.portError.reason, PortOpenReason::NoSuchDevice);
    EXPECT_EQ(line.openedName, "COM7");
    EXPECT_EQ(log.pane, "Otwarcie portu COM7\r\nBłąd otwarcia portu !\r\n");
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Błąd otwarcia portu COM7 !"});
}

// A port given by its device path is opened as given and named so in the log and the message.
TEST_F(VersionOperationTest, APortGivenByItsDevicePathIsNamedByThatPath) {
    const ModulePort port = ModulePort::Device("/dev/ttyUSB3");
    EXPECT_TRUE(ShowModuleVersion(link, port, log).Completed());
    EXPECT_EQ(line.openedName, "/dev/ttyUSB3");
    EXPECT_EQ(log.pane, "Otwarcie portu /dev/ttyUSB3\r\nNawiązywanie połączenia...\r\n"
                        "Wersja modułu : G8v1.07\r\n");

    line.portExists = false;
    EXPECT_FALSE(ShowModuleVersion(link, port, log).Completed());
    EXPECT_EQ(log.pane, "Otwarcie portu /dev/ttyUSB3\r\nBłąd otwarcia portu !\r\n");
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Błąd otwarcia portu /dev/ttyUSB3 !"});
}

} // namespace
