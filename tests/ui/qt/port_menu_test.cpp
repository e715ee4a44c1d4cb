// Only where serial devices are found rather than named by the system (Linux, macOS) does the
// Port COM menu show what each item opens.
#include "app/console_dlg.h"
#include "resources/resource_ids.h"
#include "tests/core/scratch_serial_devices.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

namespace {

// Beside each item the device it opens, looked for anew each time the popup opens.
TEST(PortMenu, ShowsTheDevicesFoundWhenThePopupOpens) {
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
}

} // namespace
