#include "operations/module_session.h"

#include "platform/message_box.h"

namespace {

std::string PortName(const ModulePort& port) {
    return port.devicePath.empty() ? std::string("COM") + port.comDigit : port.devicePath;
}

bool OpenModulePort(CModuleLink& link, const ModulePort& port) {
    return port.devicePath.empty() ? link.OpenPort(port.comDigit)
                                   : link.OpenPortAt(port.devicePath);
}

} // namespace

bool OpenSession(CModuleLink& link, const ModulePort& port, OperationLog& log,
                 VersionReply& reply) {
    const std::string name = PortName(port);
    log.AppendToLogPane("Otwarcie portu " + name + "\r\n");
    if (!OpenModulePort(link, port)) {
        log.AppendToLogPane("Błąd otwarcia portu !\r\n");
        ShowMessageBox("Błąd otwarcia portu " + name + " !");
        return false;
    }
    log.AppendToLogPane("Nawiązywanie połączenia...\r\n");
    if (!link.Connect(reply.data())) {
        ShowMessageBox("Brak połączenia.");
        log.AppendToLogPane("Brak połączenia z modułem.\r\n");
        link.ClosePort();
        return false;
    }
    return true;
}
