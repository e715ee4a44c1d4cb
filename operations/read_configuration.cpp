#include "operations/read_configuration.h"

#include "operations/module_session.h"
#include "platform/file_io.h"
#include "platform/message_box.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kBlockCount = 4;
constexpr int kBlockLength = 128;

using ModuleMemory = std::array<std::uint8_t, kModuleMemorySize>;

bool ReadBlocks(CModuleLink& link, ModuleMemory& memory, OperationLog& log) {
    for (int block = 0; block < kBlockCount; ++block) {
        const std::string number = std::to_string(block + 1);
        log.AppendToLogPane("Odczyt bloku " + number + "...\r\n");
        link.FlushInput();
        const int address = block * kBlockLength;
        link.ReadMemory(memory.data() + address, kBlockLength, address);
        if (link.m_bBusy) {
            ShowMessageBox("Błąd odczytu " + number + ".");
            return false;
        }
    }
    return true;
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

bool ReadConfiguration(CModuleLink& link, ConfigImage& image, const ModulePort& port,
                       OperationLog& log, const std::optional<std::filesystem::path>& rawDumpPath) {
    log.ClearLogPane();
    VersionReply reply{};
    if (!OpenSession(link, port, log, reply)) {
        return false;
    }
    ModuleMemory memory{};
    const bool complete = ReadBlocks(link, memory, log);
    if (complete) {
        log.AppendToLogPane("Odczyt konfiguracji zakończony.\r\n");
    }
    link.ClosePort();
    if (!complete) {
        return false;
    }
    std::copy(memory.begin(), memory.end(), image.begin());
    if (rawDumpPath) {
        WriteRawDump(*rawDumpPath, memory);
    }
    return true;
}
