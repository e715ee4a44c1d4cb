// Only where serial devices are found rather than named by the system (Linux, macOS) does the
// Port COM menu show what each item opens. And only the Qt backend hands a close request to the
// console while a module operation runs; the Win32 one keeps it for the operation's end. Its
// widgets are sized from the toolkit's own font, and its file dialog and clipboard are its own.
#include "app/about_dlg.h"
#include "app/console_dlg.h"
#include "editors/general_settings_dlg.h"
#include "editors/line_settings_dlg.h"
#include "editors/reports_control_dlg.h"
#include "editors/sms_texts_dlg.h"
#include "editors/variable_codes_dlg.h"
#include "platform/qt/dialog_window.h"
#include "resources/resource_ids.h"
#include "tests/core/scratch_serial_devices.h"
#include "tests/core/temporary_folder.h"
#include "tests/ui/ui_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A text the font needs more room for than its control offers would be cut off on screen.
bool TextFits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return !label->pixmap().isNull() ||
               label->heightForWidth(label->width()) <= label->height();
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        return box->sizeHint().width() <= box->width();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button == nullptr ||
           button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width();
}

// In every window each control shown lies inside it with its text whole, none over another but
// for group boxes.
TEST(QtLayout, EveryDialogsControlsFitTheirTextsWithoutOverlapping) {
    const std::unique_ptr<CDialog> dialogs[] = {std::make_unique<CConsoleDlg>(std::nullopt),
                                                std::make_unique<CAboutDlg>(),
                                                std::make_unique<CGeneralSettingsDlg>(),
                                                std::make_unique<CLineSettingsDlg>(),
                                                std::make_unique<CSmsTextsDlg>(),
                                                std::make_unique<CVariableCodesDlg>(),
                                                std::make_unique<CReportsControlDlg>()};
    for (const auto& dialog : dialogs) {
        const QWidget* area = ToWidget(dialog->GetDlgItem(IDOK))->parentWidget();
        QList<QWidget*> controls = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        controls.removeIf([](const QWidget* control) { return control->isHidden(); });
        for (const QWidget* control : controls) {
            const std::string name =
                dialog->Caption() + ": " + control->property("text").toString().toStdString();
            EXPECT_TRUE(area->rect().contains(control->geometry())) << name;
            EXPECT_TRUE(TextFits(control)) << "cut off: " << name;
            for (const QWidget* other : controls) {
                EXPECT_TRUE(control == other || qobject_cast<const QGroupBox*>(control) ||
                            qobject_cast<const QGroupBox*>(other) ||
                            !control->geometry().intersects(other->geometry()))
                    << name << " overlaps another control";
            }
        }
    }
}

// A long line scrolls the log pane sideways, with a bar beside the pane but none under it.
// The toolkit's file dialogs with a name typed into them: Open takes the name of a missing file,
// which the load then reports, and Save gives a name its extension. A dialog that refused the
// name would stay, maybe under a warning of its own; both are closed.
TEST(QtConsole, LogPaneScrollsSidewaysAndFileDialogsTakeTypedNames) {
    TemporaryFolder folder;
    MessageBoxRecorder messages;
    CConsoleDlg console(std::nullopt);
    console.ShowWindow(true);
    console.AppendToLogPane(std::string(150, 'x') + "\r\n");
    QApplication::processEvents();
    const auto* pane = qobject_cast<QPlainTextEdit*>(ToWidget(console.GetDlgItem(IDC_LOG)));
    EXPECT_GT(pane->horizontalScrollBar()->maximum(), 0) << "the long line is not broken";
    EXPECT_TRUE(pane->verticalScrollBar()->isVisible() &&
                !pane->horizontalScrollBar()->isVisible());
    for (const int command : {ID_LOAD_FILE, ID_SAVE_FILE}) {
        QFileDialog* fileDialog = nullptr;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            if (fileDialog == nullptr && (fileDialog = qobject_cast<QFileDialog*>(shown))) {
                fileDialog->setDirectory(QString::fromStdString(folder.Path().string()));
                fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("brak");
                QTimer::singleShot(0, fileDialog, &QDialog::accept); // outside this timer's call
            } else if (fileDialog != nullptr && shown != nullptr) {  // the name was refused
                shown->close();
                fileDialog->reject();
            }
        });
        poll.start(5);
        console.SendCommand(command);
    }
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Błąd otwarcia pliku !"});
    EXPECT_TRUE(std::filesystem::exists(folder / "BRAK.GR8"));
}

// The variable codes list that the SMS texts editor opens can be selected and copied but not
// changed.
TEST(QtTextPanes, VariableCodesListIsCopiedButNotChanged) {
    CSmsTextsDlg texts;
    ASSERT_TRUE(WithNextModalDialog(
        [&] { ClickButton(texts, IDC_VARIABLE_CODES); },
        [](CDialog& codes) {
            auto* list = qobject_cast<QPlainTextEdit*>(ToWidget(codes.GetDlgItem(IDC_CODES_LIST)));
            const std::string text = codes.ItemText(IDC_CODES_LIST);
            for (const QKeySequence keys :
                 std::initializer_list<QKeySequence>{Qt::Key_X, Qt::Key_Delete, QKeySequence::Undo,
                                                     QKeySequence::SelectAll, QKeySequence::Copy}) {
                QKeyEvent press(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers(),
                                keys[0].key() == Qt::Key_X ? "x" : "");
                QApplication::sendEvent(list, &press);
            }
            EXPECT_EQ(codes.ItemText(IDC_CODES_LIST), text);
            EXPECT_EQ(QApplication::clipboard()->text(), list->toPlainText());
        }));
}

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
