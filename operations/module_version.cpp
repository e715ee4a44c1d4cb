#include "operations/module_version.h"

#include "operations/module_session.h"

#include <cstring>

namespace {

// The reply as received, up to its terminating zero byte.
std::string ReplyText(const VersionReply& reply) {
    return std::string(reply.data(), std::strlen(reply.data()));
}

} // namespace

void ShowModuleVersion(CModuleLink& link, char comDigit, OperationLog& log) {
    log.ClearLogPane();
    VersionReply reply{};
    if (!OpenSession(link, comDigit, log, reply)) {
        return;
    }
    log.AppendToLogPane("Wersja modułu : " + ReplyText(reply) + "\r\n");
    link.ClosePort();
}
