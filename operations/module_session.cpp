#include "operations/module_session.h"

#include "platform/message_box.h"

namespace {

bool OpenModulePort(CModuleLink& link, const ModulePort& port) {
    return port.devicePath.empty() ? link.OpenPort(port.comDigit)
                                   : link.OpenPortAt(port.devicePath);
}

} // namespace

OperationResult OpenSession(CModuleLink& link, const ModulePort& port, OperationLog& log,
                            VersionReply& reply) {
    log.AppendToLogPane("Otwarcie portu " + PortName(port) + "\r\n");
    if (!OpenModulePort(link, port)) {
        log.AppendToLogPane("Błąd otwarcia portu !\r\n");
        OperationResult result = FailedAt(OperationStage::PortNotOpened, port);
        result.portError = link.OpenFailure();
        return result;
    }
    log.AppendToLogPane("Nawiązywanie połączenia...\r\n");
    if (!link.Connect(reply.data())) {
        const OperationResult result = FailedAt(OperationStage::NoContact, port);
        log.AppendToLogPane("Brak połączenia z modułem.\r\n");
        link.ClosePort();
        return result;
    }
    return {};
}

OperationResult FailedAt(OperationStage stage, const ModulePort& port, int block) {
    OperationResult result;
    result.stage = stage;
    result.block = block;
    ShowMessageBox(FailureMessage(result, port));
    return result;
}
