#include "operations/module_version.h"

#include "editors/cp1250_codec.h"
#include "operations/module_session.h"

#include <cstring>

namespace {

// The reply as received, up to its terminating zero byte; its bytes are code page 1250 text.
std::string ReplyText(const VersionReply& reply) {
    return Cp1250ToUtf8(std::string_view(reply.data(), std::strlen(reply.data())));
}

} // namespace

OperationResult ShowModuleVersion(CModuleLink& link, const ModulePort& port, OperationLog& log) {
    log.ClearLogPane();
    VersionReply reply{};
    OperationResult result = OpenSession(link, port, log, reply);
    if (!result.Completed()) {
        return result;
    }
    result.version = ReplyText(reply);
    log.AppendToLogPane("Wersja modułu : " + result.version + "\r\n");
    link.ClosePort();
    return result;
}
