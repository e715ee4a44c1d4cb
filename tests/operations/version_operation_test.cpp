#include "operation_fixture.h"
#include "operations/module_version.h"

namespace {

class VersionOperationTest : public OperationTest {};

const std::string kContactLines = "Otwarcie portu COM1\r\nNawiązywanie połączenia...\r\n";

TEST_F(VersionOperationTest, ShowsTheModulesAnswerAndClosesThePort) {
    ShowModuleVersion(link, '1', log);
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
    ShowModuleVersion(link, '1', log);
    EXPECT_EQ(log.pane, kContactLines + "Wersja modułu : G8v\x01\x7f"
                                        "56789\r\n");

    StartModule({}, {}, "G8v\xB9");
    ShowModuleVersion(link, '1', log);
    EXPECT_EQ(log.pane, kContactLines + "Wersja modułu : G8vą\r\n") << "module texts are cp1250";

    StartModule({}, {}, std::string("G8v2\0xyz", 8));
    ShowModuleVersion(link, '1', log);
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
        ShowModuleVersion(link, '1', log);
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
    ShowModuleVersion(link, '7', log);
    EXPECT_EQ(line.openedName, "COM7");
    EXPECT_EQ(log.pane, "Otwarcie portu COM7\r\nBłąd otwarcia portu !\r\n");
    EXPECT_EQ(messageBoxes, std::vector<std::string>{"Błąd otwarcia portu COM7 !"});
}

} // namespace
