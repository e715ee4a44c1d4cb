#include "operations/read_configuration.h"

#include "operations/module_session.h"
#include "platform/file_io.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kBlockCount = 4;
constexpr int kBlockLength = 128;

using ModuleMemory = std::array<std::uint8_t, kModuleMemorySize>;

OperationResult ReadBlocks(CModuleLink& link, ModuleMemory& memory, OperationLog& log) {
    for (int block = 1; block <= kBlockCount; ++block) {
        const std::string number = std::to_string(block);
        log.AppendToLogPane("Odczyt bloku " + number + "...\r\n");
        link.FlushInput();
        const int address = (block - 1) * kBlockLength;
        link.ReadMemory(memory.data() + address, kBlockLength, address);
        if (link.m_bBusy) {
            return FailedAt(OperationStage::BlockNotRead, "Błąd odczytu " + number + ".", block);
        }
    }
    return {};
}

// Nothing is shown when the dump cannot be written: the read itself succeeded.
void WriteRawDump(const std::filesystem::path& path, const ModuleMemory& memory) {
    std::FILE* file = OpenFile(path, "wb");
    if (file == nullptr) {
        return;
    }
    std::fwrite(memory.data(), 1, memory.size(), file);
    std::fclose(file);
}

} // namespace

OperationResult ReadConfiguration(CModuleLink& link, ConfigImage& image, const ModulePort& port,
                                  OperationLog& log,
                                  const std::optional<std::filesystem::path>& rawDumpPath) {
    log.ClearLogPane();
    VersionReply reply{};
    if (OperationResult session = OpenSession(link, port, log, reply); !session.Completed()) {
        return session;
    }
    ModuleMemory memory{};
    const OperationResult result = ReadBlocks(link, memory, log);
    if (result.Completed()) {
        log.AppendToLogPane("Odczyt konfiguracji zakończony.\r\n");
    }
    link.ClosePort();
    if (!result.Completed()) {
        return result;
    }
    std::copy(memory.begin(), memory.end(), image.begin());
    if (rawDumpPath) {
        WriteRawDump(*rawDumpPath, memory);
    }
    return result;
}
