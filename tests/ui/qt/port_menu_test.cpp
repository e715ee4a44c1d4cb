// Only where serial devices are found rather than named by the system (Linux, macOS) does the
// Port COM menu show what each item opens. And only the Qt backend hands a close request to the
// console while a module operation runs; the Win32 one keeps it for the operation's end.
#include "app/console_dlg.h"
#include "resources/resource_ids.h"
#include "tests/core/scratch_serial_devices.h"
#include "tests/ui/ui_test_support.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Beside each item the device it opens, looked for anew each time the popup opens.
TEST(PortMenu, ShowsTheDevicesFoundWhenThePopupOpensAndACloseWaitsForAnOperation) {
    ScratchSerialDevices scratch;
    CConsoleDlg console(std::nullopt);
    console.ShowWindow(true);
    const auto itemTexts = [&] {
        OpenPopupHolding(console.Menu(), ID_COM5);
        return console.Menu().GetMenuString(ID_COM1) + "|" + console.Menu().GetMenuString(ID_COM2) +
               "|" + console.Menu().GetMenuString(ID_COM3);
    };
    EXPECT_EQ(itemTexts(), "COM &1|COM &2|COM &3");
    const std::string ftdi = scratch.AddNode("ttyUSB0");
    scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    scratch.AddUsbTty("ttyUSB0", "FTDI", "FT232R USB UART", "A10K3XYZ");
    const std::string arduino = scratch.AddNode("ttyACM0");
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    EXPECT_EQ(itemTexts(), "COM &1\t" + arduino + "|COM &2\t" + ftdi + " (FT232R USB UART)|COM &3");

    // A close during an operation waits for its end, so the port is closed between frames.
    MessageBoxRecorder messages;
    console.SendCommand(ID_COM3);
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        console.Close();
        stayedOpen = console.IsWindowVisible();
    });
    console.SendCommand(ID_MODULE_VERSION);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd otwarcia portu COM3 !"});
    EXPECT_FALSE(console.IsWindowVisible());
    EXPECT_EQ(console.GetResult(), IDCANCEL);
}

} // namespace
