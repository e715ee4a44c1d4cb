#include "app/command_line.h"
#include "app/console_dlg.h"
#include "app/console_operation_log.h"
#include "link/module_link.h"
#include "operations/module_version.h"
#include "operations/read_configuration.h"
#include "operations/send_configuration.h"
#include "platform/module_operation.h"
#include "resources/resource_ids.h"

namespace {

const std::filesystem::path kRawDumpFile = "eeprom.bin";

} // namespace

void CConsoleDlg::OnReadConfiguration() {
    const ModulePort port = ModulePort::Com(g_comPortDigit[0]);
    const std::optional<std::filesystem::path> rawDump =
        HasEepromSwitch(m_argumentText) ? std::optional(kRawDumpFile) : std::nullopt;
    RunOperation([this, port, rawDump](OperationLog& log) {
        ReadConfiguration(theLink, m_image, port, log, rawDump);
    });
}

void CConsoleDlg::OnSendConfiguration() {
    const ModulePort port = ModulePort::Com(g_comPortDigit[0]);
    RunOperation(
        [this, port](OperationLog& log) { SendConfiguration(theLink, m_image, port, log); });
}

void CConsoleDlg::OnModuleVersion() {
    const ModulePort port = ModulePort::Com(g_comPortDigit[0]);
    RunOperation([port](OperationLog& log) { ShowModuleVersion(theLink, port, log); });
}

// A close asked for while an operation runs waits for its end: the port must be closed and the
// module left between frames.
void CConsoleDlg::RunOperation(const std::function<void(OperationLog&)>& operation) {
    ConsoleOperationLog log(*this);
    m_operationRunning = true;
    RunModuleOperation([&] { operation(log); });
    m_operationRunning = false;
    if (m_closeRequested) {
        EndDialog(IDCANCEL);
    }
}

void CConsoleDlg::OnCancel() {
    if (m_operationRunning) {
        m_closeRequested = true;
        return;
    }
    CDialog::OnCancel();
}
