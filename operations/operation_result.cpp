#include "operations/operation_result.h"

std::string FailureMessage(const OperationResult& result, const ModulePort& port) {
    const std::string block = std::to_string(result.block);
    switch (result.stage) {
    case OperationStage::PortNotOpened:
        return "Błąd otwarcia portu " + PortName(port) + " !";
    case OperationStage::NoContact:
        return "Brak połączenia.";
    case OperationStage::BlockNotRead:
        return "Błąd odczytu " + block + ".";
    case OperationStage::BlockNotVerified:
        return "Błąd weryfikacji " + block;
    case OperationStage::Completed:
        break;
    }
    return "";
}
