// The module link against the simulated module, whose answers the input spoils at will. The
// input is a script: an operation in four bytes, then for each frame the module takes a control
// byte and its noise. After each operation: the module took the operation's frames, whole, or
// none when writes fail, and then a read shows one "Write error" per request byte; m_bBusy tells
// the truth; each read is judged by the bytes it took, and only the first whole reply whose
// check byte holds ends a memory read and is written to its destination. Buffers have their
// exact size, so a step outside them is caught.

#include "fake_serial_line.h"
#include "fuzz_require.h"
#include "link/module_frames.h"
#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"
#include "tools/sim_module.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <numeric>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Requests = std::vector<sim::Request>;

// Few enough that the virtual clock of the line cannot run over.
constexpr int kMostOperations = 8;
constexpr std::size_t kReadTries = 8;
constexpr std::size_t kConnectTries = 4;
constexpr std::size_t kVersionBufferBytes = 11;
constexpr std::uint8_t kUntouched = 0xEE;
// Pacing waits end after one look at the virtual counter.
constexpr std::int64_t kCounterStepNanoseconds = 20'000'000;
const Bytes kVersionPrefix = {'G', '8', 'v'};

int g_writeErrors = 0;

// The far end of the line, recording every byte it sent and where in them each read started.
struct Module {
    explicit Module(FuzzedDataProvider& input) : script(input) {
        line.counterStepNanoseconds = kCounterStepNanoseconds;
        line.module = [this](FakeSerialLine&, std::uint8_t byte) { Take(byte); };
        line.onRead = [this](std::size_t) { readStarts.push_back(Taken()); };
    }

    std::size_t Taken() const { return sent.size() - line.incoming.size(); }

    // The answer with noise after it, before it, in its place, or after its last byte is cut.
    void Take(std::uint8_t byte) {
        if (std::optional<sim::Request> request = parser.Feed(byte)) {
            Bytes answer = module.Answer(*request);
            const auto control = script.ConsumeIntegral<std::uint8_t>();
            const Bytes noise = script.ConsumeBytes<std::uint8_t>(control & 0x3F);
            const int spoiling = control >> 6;
            answer.resize(spoiling == 2 ? 0 : answer.size() - (spoiling == 3 && !answer.empty()));
            answer.insert(spoiling == 1 ? answer.begin() : answer.end(), noise.begin(),
                          noise.end());
            line.Receive(answer);
            sent.insert(sent.end(), answer.begin(), answer.end());
            requests.push_back(std::move(*request));
        }
    }

    // What the link took, a piece per read from the `first`-th on.
    std::vector<Bytes> Pieces(std::size_t first) const {
        std::vector<Bytes> pieces;
        for (std::size_t i = first; i < readStarts.size(); ++i) {
            const std::size_t end = i + 1 < readStarts.size() ? readStarts[i + 1] : Taken();
            pieces.emplace_back(sent.begin() + static_cast<std::ptrdiff_t>(readStarts[i]),
                                sent.begin() + static_cast<std::ptrdiff_t>(end));
        }
        return pieces;
    }

    FuzzedDataProvider& script;
    FakeSerialLine line;
    sim::FrameParser parser;
    sim::SimulatedModule module{sim::Memory{}, "G8v1.23", sim::Faults{}};
    Bytes sent;
    Requests requests;
    std::vector<std::size_t> readStarts;
};

enum class Operation { WriteMemory, ReadMemory, QueryVersion, Connect, FlushInput, Restart };

struct Step {
    Operation operation;
    bool writesFail;
    int length;
    int address;
};

sim::Request Frame(sim::RequestKind kind, const Step& step = {}, Bytes data = {}) {
    return {kind, static_cast<std::uint16_t>(step.address), static_cast<std::uint8_t>(step.length),
            std::move(data)};
}

// `piece` then a terminating zero at the start of `buffer`.
bool Holds(const Bytes& buffer, const Bytes& piece) {
    return std::equal(piece.begin(), piece.end(), buffer.begin()) && buffer[piece.size()] == 0;
}

Requests Write(CModuleLink& link, const Step& step, bool fits) {
    Bytes source(fits ? static_cast<std::size_t>(step.length) : 0);
    std::iota(source.begin(), source.end(), static_cast<std::uint8_t>(step.address));
    link.WriteMemory(source.data(), step.length, step.address);
    Require(link.m_bBusy == (!fits || step.writesFail));
    return Requests(fits ? 1 : 0, Frame(sim::RequestKind::WriteMemory, step, source));
}

Requests Read(CModuleLink& link, const Module& module, const Step& step, bool fits) {
    const std::size_t length = fits ? static_cast<std::size_t>(step.length) : 0;
    Bytes destination(length, kUntouched);
    const std::size_t reads = module.readStarts.size();
    link.ReadMemory(destination.data(), step.length, step.address);
    const std::vector<Bytes> pieces = module.Pieces(reads);
    const auto good = std::find_if(pieces.begin(), pieces.end(), [length](const Bytes& piece) {
        return piece.size() == length + 1 &&
               std::accumulate(piece.begin(), piece.end(), 0U) % 256 == 0;
    });
    const bool read = fits && good != pieces.end();
    Require(link.m_bBusy == !read && pieces.size() == (read   ? good - pieces.begin() + 1U
                                                       : fits ? kReadTries
                                                              : 0));
    Require(destination ==
            (read ? Bytes(good->begin(), good->end() - 1) : Bytes(length, kUntouched)));
    return Requests(pieces.size(), Frame(sim::RequestKind::ReadMemory, step));
}

// Every try is a flush and a version query; the first answer starting "G8v" ends them.
Requests Connect(CModuleLink& link, const Module& module) {
    Bytes buffer(kVersionBufferBytes, kUntouched);
    const std::size_t reads = module.readStarts.size();
    const bool connected = link.Connect(reinterpret_cast<char*>(buffer.data()));
    const std::vector<Bytes> pieces = module.Pieces(reads);
    std::size_t tries = 0;
    bool answered = false;
    while (!answered && 2 * tries + 1 < pieces.size()) {
        const Bytes& answer = pieces[2 * tries++ + 1];
        answered = answer.size() >= kVersionPrefix.size() &&
                   std::equal(kVersionPrefix.begin(), kVersionPrefix.end(), answer.begin());
    }
    Require(connected == answered && pieces.size() == 2 * (connected ? tries : kConnectTries));
    Require(!connected || (!link.m_bBusy && Holds(buffer, pieces.back())));
    return Requests(tries, Frame(sim::RequestKind::Version));
}

Requests Run(CModuleLink& link, const Module& module, const Step& step) {
    const bool fits = step.length >= 0 && step.length <= kMaxFrameLength;
    const std::size_t reads = module.readStarts.size();
    Bytes buffer(kVersionBufferBytes, kUntouched);
    switch (step.operation) {
    case Operation::WriteMemory:
        return Write(link, step, fits);
    case Operation::ReadMemory:
        return Read(link, module, step, fits);
    case Operation::QueryVersion:
        link.QueryVersion(reinterpret_cast<char*>(buffer.data()));
        Require(Holds(buffer, module.Pieces(reads).at(0)) &&
                link.m_bBusy == module.Pieces(reads)[0].empty());
        return {Frame(sim::RequestKind::Version)};
    case Operation::Connect:
        return Connect(link, module);
    case Operation::FlushInput:
        link.FlushInput();
        Require(!link.m_bBusy && module.Pieces(reads).size() == 1);
        return {};
    case Operation::Restart:
        link.RestartModule();
        Require(module.Pieces(reads).empty());
        return {Frame(sim::RequestKind::Restart)};
    }
    return {};
}

bool Same(const sim::Request& a, const sim::Request& b) {
    return a.kind == b.kind && a.address == b.address && a.length == b.length && a.data == b.data;
}

void RunStep(CModuleLink& link, Module& module, const Step& step) {
    const auto requests = static_cast<std::ptrdiff_t>(module.requests.size());
    const int writeErrors = g_writeErrors;
    module.line.writesFail = step.writesFail;
    const Requests expected = Run(link, module, step);
    Require(std::equal(module.requests.begin() + requests, module.requests.end(), expected.begin(),
                       step.writesFail ? expected.begin() : expected.end(), Same));
    const bool failedReads = step.writesFail && step.operation == Operation::ReadMemory;
    Require(g_writeErrors - writeErrors ==
            static_cast<int>(failedReads ? expected.size() * MemoryFrameHeader{}.size() : 0));
    Require(module.parser.DiscardedBytes() == 0);
}

// The operation in the low three bits, then flags: writes fail; the length is above a frame's;
// it is below zero; the address is below zero.
Step NextStep(FuzzedDataProvider& script) {
    const auto kind = script.ConsumeIntegral<std::uint8_t>();
    const int length = script.ConsumeIntegral<std::uint8_t>();
    const int address = script.ConsumeIntegral<std::uint16_t>();
    return {static_cast<Operation>((kind & 0x07) % 6), (kind & 0x08) != 0,
            kind & 0x10   ? kMaxFrameLength + 1 + length
            : kind & 0x20 ? -1 - length
                          : length,
            kind & 0x40 ? -1 - address : address};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetMessageBoxHandler([](const std::string& text) {
        Require(text == "Write error");
        ++g_writeErrors;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider script(data, size);
    Module module(script);
    UseSerialPortSystem(&module.line);
    CModuleLink link;
    Require(link.OpenPort('1'));
    for (int i = 0; i < kMostOperations && script.remaining_bytes() > 0; ++i) {
        RunStep(link, module, NextStep(script));
    }
    link.ClosePort();
    g_hPort.reset();
    UseSerialPortSystem(nullptr);
    return 0;
}
