// What the console shows only with the Qt backend, where serial devices are found rather than
// named by the system (Linux, macOS): the devices in the Port COM menu, its own file dialog and
// the scrolling of its pane; and a close during a module operation, against the simulator.
#include "app/console_dlg.h"
#include "platform/qt/dialog_window.h"
#include "resources/resource_ids.h"
#include "tests/core/scratch_serial_devices.h"
#include "tests/ui/ui_test_support.h"
#include "tools/sim_process.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(QtConsole, PortMenuShowsTheDevicesAndACloseWaitsForTheOperation) {
    SimProcess simulator(GRT8_SIM_PATH, {"--version", "G8v3.14"});
    ASSERT_FALSE(simulator.path().empty()) << simulator.ErrorOutput();
    ScratchSerialDevices scratch;
    const std::string ftdi = scratch.AddNode("ttyUSB0", simulator.path());
    scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    scratch.AddUsbTty("ttyUSB0", "FTDI", "FT232R USB UART", "A10K3XYZ");
    g_comPortDigit[0] = '1';
    MessageBoxRecorder messages;
    CConsoleDlg console("");
    console.ShowWindow(true);
    // Beside each item the device it opens, looked for anew each time the popup opens.
    const auto itemTexts = [&] {
        OpenPopupHolding(console.Menu(), ID_COM5);
        std::string texts;
        for (const int id : {ID_COM1, ID_COM2, ID_COM3}) {
            texts += console.Menu().GetMenuString(id) + "|";
        }
        return texts + console.Menu().GetMenuString(ID_COM9);
    };
    EXPECT_EQ(itemTexts(), "COM &1\t" + ftdi + " (FT232R USB UART)|COM &2|COM &3|COM &9");
    const std::string arduino = scratch.AddNode("ttyACM0");
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    EXPECT_EQ(itemTexts(),
              "COM &1\t" + arduino + "|COM &2\t" + ftdi + " (FT232R USB UART)|COM &3|COM &9");

    // The window keeps answering during an operation, but a close waits for the operation's
    // end, so the port is closed and the module left between frames.
    console.SendCommand(ID_COM2);
    bool stayedOpenMeanwhile = false;
    RunLater(300, [&] {
        console.Close();
        stayedOpenMeanwhile = console.IsWindowVisible();
    });
    console.SendCommand(ID_MODULE_VERSION);
    EXPECT_TRUE(stayedOpenMeanwhile);
    EXPECT_EQ(console.ItemText(IDC_LOG),
              "Otwarcie portu COM2\r\nNawiązywanie połączenia...\r\nWersja modułu : G8v3.14\r\n");
    EXPECT_FALSE(console.IsWindowVisible());
    EXPECT_EQ(console.GetResult(), IDCANCEL);
    EXPECT_TRUE(messages.texts.empty());
}

// The Open dialog takes the name of a missing file, so the load can say it did not open, and
// adds the extension. One that insisted on an existing file would stop on a warning first.
TEST(QtConsole, OpenDialogTakesTheNameOfAMissingFile) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    RunLater(300, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialog->setDirectory(QString::fromStdString(folder.string()));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("grt8-brak");
        QTimer refusal;
        QObject::connect(&refusal, &QTimer::timeout, [&] {
            if (QWidget* warning = QApplication::activeModalWidget();
                warning && warning != dialog) {
                warning->close();
            }
        });
        refusal.start(50);
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible()) {
            static_cast<QDialog*>(dialog)->reject();
        }
    });
    EXPECT_EQ(RunFileDialog(FileDialogKind::Open, nullptr), (folder / "grt8-brak.gr8").string());
}

// A long line scrolls sideways with the caret; the pane shows only its vertical scroll bar.
TEST(QtConsole, PaneScrollsALongLineWithoutAHorizontalBar) {
    CConsoleDlg console("\"/no/such/folder/startup.gr8\"");
    console.ShowWindow(true);
    const auto* pane = qobject_cast<QPlainTextEdit*>(ToWidget(console.GetDlgItem(IDC_LOG)));
    console.AppendToLogPane(std::string(400, 'x'));
    QApplication::processEvents();
    EXPECT_GT(pane->horizontalScrollBar()->value(), 0) << "the line's end is scrolled into view";
    EXPECT_FALSE(pane->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(pane->verticalScrollBar()->isVisible());
}

} // namespace
