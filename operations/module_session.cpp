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
        OperationResult result =
            FailedAt(OperationStage::PortNotOpened, "Błąd otwarcia portu " + PortName(port) + " !");
        result.portError = link.OpenFailure();
        return result;
    }
    log.AppendToLogPane("Nawiązywanie połączenia...\r\n");
    if (!link.Connect(reply.data())) {
        const OperationResult result = FailedAt(OperationStage::NoContact, "Brak połączenia.");
        log.AppendToLogPane("Brak połączenia z modułem.\r\n");
        link.ClosePort();
        return result;
    }
    return {};
}

OperationResult FailedAt(OperationStage stage, const std::string& message, int block) {
    ShowMessageBox(message);
    OperationResult result;
    result.stage = stage;
    result.block = block;
    result.message = message;
    return result;
}
