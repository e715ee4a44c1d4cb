#include "operations/send_configuration.h"

#include "operations/module_session.h"
#include "platform/serial_port_system.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kAttemptsPerBlock = 4;
constexpr unsigned kPauseBeforeRewriteMs = 500;
constexpr int kReadBackLength = 128;
constexpr std::size_t kNotInterpretedByte = 5;

// The first block starts at address 3, since the module's bytes 0-2 are never written, and
// overlaps the second by six bytes. Its read-back is compared from byte 6 on: bytes 3-5 are
// the module's to change.
struct SendBlock {
    int number;
    int writeAddress;
    int writeLength;
    int readAddress;
    int firstComparedByte;
};

constexpr SendBlock kBlocks[] = {
    {1, 0x0003, 131, 0x0000, 6},
    {2, 0x0080, 128, 0x0080, 0x0080},
    {3, 0x0100, 128, 0x0100, 0x0100},
    {4, 0x0180, 128, 0x0180, 0x0180},
};

bool ReadBackMatches(CModuleLink& link, const ConfigImage& image, const SendBlock& block) {
    std::uint8_t readBack[kReadBackLength] = {};
    link.ReadMemory(readBack, kReadBackLength, block.readAddress);
    const bool readFailed = link.m_bBusy;
    link.FlushInput();
    const int blockEnd = block.readAddress + kReadBackLength;
    return !readFailed &&
           std::equal(image.begin() + block.firstComparedByte, image.begin() + blockEnd,
                      readBack + (block.firstComparedByte - block.readAddress));
}

bool WriteAndVerify(CModuleLink& link, ConfigImage& image, const SendBlock& block,
                    OperationLog& log) {
    log.AppendToLogPane("Zapis bloku " + std::to_string(block.number) + "...\r\n");
    if (block.number == 1) {
        link.FlushInput();
        image[kNotInterpretedByte] = 0;
    }
    link.WriteMemory(image.data() + block.writeAddress, block.writeLength, block.writeAddress);
    link.FlushInput();
    log.AppendToLogPane("Weryfikacja ...");
    return ReadBackMatches(link, image, block);
}

bool SendBlockWithRetries(CModuleLink& link, ConfigImage& image, const SendBlock& block,
                          OperationLog& log) {
    for (int attempt = 0; attempt < kAttemptsPerBlock; ++attempt) {
        if (WriteAndVerify(link, image, block, log)) {
            log.AppendToLogPane("OK.\r\n");
            return true;
        }
        log.AppendToLogPane("Ponowny zapis.\r\n");
        ActiveSerialPortSystem().Sleep(kPauseBeforeRewriteMs);
    }
    return false;
}

OperationResult SendBlocks(CModuleLink& link, ConfigImage& image, OperationLog& log) {
    for (const SendBlock& block : kBlocks) {
        if (!SendBlockWithRetries(link, image, block, log)) {
            OperationResult result =
                FailedAt(OperationStage::BlockNotVerified,
                         "Błąd weryfikacji " + std::to_string(block.number), block.number);
            result.blocksWritten = block.number;
            return result;
        }
    }
    OperationResult result;
    result.blocksWritten = std::size(kBlocks);
    return result;
}

} // namespace

OperationResult SendConfiguration(CModuleLink& link, ConfigImage& image, const ModulePort& port,
                                  OperationLog& log) {
    log.ClearLogPaneAndText();
    VersionReply reply{};
    if (OperationResult session = OpenSession(link, port, log, reply); !session.Completed()) {
        return session;
    }
    const OperationResult result = SendBlocks(link, image, log);
    if (result.Completed()) {
        log.AppendToLogPane("Ładowanie konfiguracji zakończone.\r\n");
        log.AppendToLogPane("Restart modułu z nową konfiguracją...");
        link.RestartModule();
        log.AppendToLogPane("OK.\r\n");
    }
    link.ClosePort();
    return result;
}
