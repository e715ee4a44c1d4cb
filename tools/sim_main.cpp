#include "tools/sim_options.h"
#include "tools/sim_pty.h"
#include "tools/sim_session.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

int g_stopPipe[2] = {-1, -1};

void RequestStop(int) {
    const char byte = 's';
    [[maybe_unused]] const ssize_t ignored = write(g_stopPipe[1], &byte, 1);
}

bool InstallStopSignals() {
    if (pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

bool LoadMemory(const std::string& path, sim::Memory& memory) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (bytes.size() != memory.size()) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), memory.begin());
    return true;
}

bool DumpMemory(const std::string& path, const sim::Memory& memory) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(memory.data()),
               static_cast<std::streamsize>(memory.size()));
    return file.good();
}

// Written under a temporary name and renamed, so a reader never sees half a path.
bool WriteReadyFile(const std::string& path, const std::string& terminalPath) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::trunc);
        file << terminalPath << '\n';
        if (!file.good()) {
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "grt8-sim: %s\n", message.c_str());
    return 1;
}

int Serve(const sim::Options& options, sim::Memory memory) {
    sim::PseudoTerminal terminal;
    std::string error;
    if (!terminal.Open(error)) {
        return Fail(error);
    }
    if (!options.linkPath.empty() && !sim::PlaceSymlink(terminal.path(), options.linkPath, error)) {
        return Fail(error);
    }
    if (!options.readyFile.empty() && !WriteReadyFile(options.readyFile, terminal.path())) {
        return Fail("cannot write " + options.readyFile);
    }
    std::printf("%s\nGRT8_COM1=%s\n", terminal.path().c_str(), terminal.path().c_str());
    std::fflush(stdout);
    sim::SimulatedModule module(memory, options.version, options.faults);
    sim::Session(options, module, terminal, g_stopPipe[0]).Run();
    if (!options.linkPath.empty()) {
        sim::RemoveSymlink(terminal.path(), options.linkPath);
    }
    if (!options.dumpFile.empty() && !DumpMemory(options.dumpFile, module.memory())) {
        return Fail("cannot write " + options.dumpFile);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const sim::ParsedOptions parsed = sim::ParseOptions(argc, argv);
    if (!parsed.options) {
        std::fputs(sim::kUsage, parsed.error.empty() ? stdout : stderr);
        return parsed.error.empty() ? 0 : Fail(parsed.error);
    }
    sim::Memory memory{};
    if (!parsed.options->memoryFile.empty() && !LoadMemory(parsed.options->memoryFile, memory)) {
        return Fail(parsed.options->memoryFile + " is not a readable file of 512 bytes");
    }
    if (!InstallStopSignals()) {
        return Fail("cannot set up signal handling");
    }
    return Serve(*parsed.options, memory);
}
