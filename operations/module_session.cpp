#include "operations/module_session.h"

#include "platform/message_box.h"

namespace {

std::string OpenFailureMessage(char comDigit) {
    std::string message = "Błąd otwarcia portu COMx !";
    message[message.find('x')] = comDigit;
    return message;
}

} // namespace

bool OpenSession(CModuleLink& link, char comDigit, OperationLog& log, VersionReply& reply) {
    log.AppendToLogPane(std::string("Otwarcie portu COM") + comDigit + "\r\n");
    if (!link.OpenPort(comDigit)) {
        log.AppendToLogPane("Błąd otwarcia portu !\r\n");
        ShowMessageBox(OpenFailureMessage(comDigit));
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
