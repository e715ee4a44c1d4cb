#include "app/console_dlg.h"
#include "resources/resource_ids.h"
#include "tests/core/scratch_serial_devices.h"
#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Only where serial devices are found rather than named by the system (Linux, macOS) does the
// Port COM menu show what each item opens.
namespace {

// Each time the Port COM popup opens it shows beside each item the device the item opens; an
// item with nothing behind it stays as it is, and can still be chosen.
TEST(PortMenuTest, ItemsShowTheDevicesFoundWhenThePopupOpens) {
    ScratchSerialDevices scratch;
    const std::string ftdi = scratch.AddNode("ttyUSB0");
    scratch.AddStableName("usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0", "ttyUSB0");
    scratch.AddUsbTty("ttyUSB0", "FTDI", "FT232R USB UART", "A10K3XYZ");
    g_comPortDigit[0] = '1';
    CConsoleDlg window(std::nullopt);
    window.ShowWindow(true);
    const auto itemTexts = [&] {
        OpenPopupHolding(window.Menu(), ID_COM5);
        std::vector<std::string> texts;
        for (const int id :
             {ID_COM1, ID_COM2, ID_COM3, ID_COM4, ID_COM5, ID_COM6, ID_COM7, ID_COM8, ID_COM9}) {
            texts.push_back(window.Menu().GetMenuString(id));
        }
        return texts;
    };
    const auto plainLabels = [](std::vector<std::pair<int, std::string>> hinted) {
        std::vector<std::string> texts;
        for (char digit = '1'; digit <= '9'; ++digit) {
            texts.push_back(std::string("COM &") + digit);
        }
        for (const auto& [index, hint] : hinted) {
            texts[static_cast<std::size_t>(index)] += "\t" + hint;
        }
        return texts;
    };

    EXPECT_EQ(itemTexts(), plainLabels({{0, ftdi + " (FT232R USB UART)"}}));

    const std::string arduino = scratch.AddNode("ttyACM0");
    scratch.AddStableName("usb-Arduino_Uno_7543-if00", "ttyACM0");
    EXPECT_EQ(itemTexts(), plainLabels({{0, arduino}, {1, ftdi + " (FT232R USB UART)"}}))
        << "an adapter plugged in while the console runs is found";

    scratch.RemoveNode("ttyUSB0");
    scratch.RemoveNode("ttyACM0");
    EXPECT_EQ(itemTexts(), plainLabels({}));
    window.SendCommand(ID_COM2);
    EXPECT_EQ(window.ItemText(IDC_LOG), "Wybrano port COM2\r\n");
    EXPECT_TRUE(window.Menu().IsChecked(ID_COM2));
}

} // namespace
