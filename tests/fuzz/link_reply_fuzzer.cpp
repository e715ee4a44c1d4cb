// The module link's memory transfers against the simulated module, whose answers the input
// spoils at will. The input is a script: a transfer in four bytes, then for each frame the module
// takes a control byte and its noise. After each transfer: the module took its frames, whole, or
// none when writes fail; m_bBusy tells the truth; a read is judged by the bytes each try took:
// only the first whole reply whose check byte holds ends it and is written to its destination.
// Buffers have their exact size, so a step outside them is caught.

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
constexpr std::ptrdiff_t kReadTries = 8;
constexpr std::uint8_t kUntouched = 0xEE;

// The far end of the line. Nothing arrives while the link reads, so what a try should take is
// known when it starts: what is waiting, up to a reply's length.
struct Module {
    explicit Module(FuzzedDataProvider& input) : script(input) {
        // Pacing waits end after one look at the virtual counter.
        line.counterStepNanoseconds = 20'000'000;
        line.module = [this](FakeSerialLine&, std::uint8_t byte) { Take(byte); };
        line.onEvent = [this](const std::string& event) {
            if (!event.starts_with("read ")) {
                return;
            }
            const std::size_t taken = std::min(replyBytes, line.incoming.size());
            pieces.emplace_back(line.incoming.begin(), std::next(line.incoming.begin(), taken));
        };
    }

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
            requests.push_back(std::move(*request));
        }
    }

    FuzzedDataProvider& script;
    FakeSerialLine line;
    sim::FrameParser parser;
    sim::SimulatedModule module{sim::Memory{}, "G8v1.23", sim::Faults{}};
    Requests requests;
    std::vector<Bytes> pieces;
    std::size_t replyBytes = 0;
};

struct Step {
    bool write;
    bool writesFail;
    int length;
    int address;

    bool Fits() const { return length >= 0 && length <= kMaxFrameLength; }
    sim::Request Frame(sim::RequestKind kind, Bytes data = {}) const {
        return {kind, static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(length),
                std::move(data)};
    }
};

// A try takes a piece; the first whole reply whose check byte holds ends the read.
Requests Read(CModuleLink& link, Module& module, const Step& step) {
    const std::size_t length = step.Fits() ? static_cast<std::size_t>(step.length) : 0;
    Bytes destination(length, kUntouched);
    const auto reads = static_cast<std::ptrdiff_t>(module.pieces.size());
    module.replyBytes = length + 1;
    link.ReadMemory(destination.data(), step.length, step.address);
    const auto tries = module.pieces.begin() + reads;
    const auto good = std::find_if(tries, module.pieces.end(), [length](const Bytes& piece) {
        return piece.size() == length + 1 &&
               std::accumulate(piece.begin(), piece.end(), 0U) % 256 == 0;
    });
    const bool read = step.Fits() && good != module.pieces.end();
    const std::ptrdiff_t expectedTries = read ? good - tries + 1 : step.Fits() ? kReadTries : 0;
    Require(link.m_bBusy == !read && module.pieces.end() - tries == expectedTries);
    Require(destination ==
            (read ? Bytes(good->begin(), good->end() - 1) : Bytes(length, kUntouched)));
    return Requests(expectedTries, step.Frame(sim::RequestKind::ReadMemory));
}

Requests Write(CModuleLink& link, const Step& step) {
    Bytes source(step.Fits() ? static_cast<std::size_t>(step.length) : 0);
    std::iota(source.begin(), source.end(), static_cast<std::uint8_t>(step.address));
    link.WriteMemory(source.data(), step.length, step.address);
    Require(link.m_bBusy == (!step.Fits() || step.writesFail));
    return Requests(step.Fits() ? 1 : 0, step.Frame(sim::RequestKind::WriteMemory, source));
}

bool Same(const sim::Request& a, const sim::Request& b) {
    return a.kind == b.kind && a.address == b.address && a.length == b.length && a.data == b.data;
}

// Flags: a write, not a read; writes fail; the length is above a frame's; it is below zero.
Step NextStep(FuzzedDataProvider& script) {
    const auto kind = script.ConsumeIntegral<std::uint8_t>();
    const int length = script.ConsumeIntegral<std::uint8_t>();
    const int address = script.ConsumeIntegral<std::uint16_t>();
    return {(kind & 0x01) != 0, (kind & 0x02) != 0,
            kind & 0x04   ? kMaxFrameLength + 1 + length
            : kind & 0x08 ? -1 - length
                          : length,
            address};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SetMessageBoxHandler([](const std::string& text) { Require(text == "Write error"); });
    FuzzedDataProvider script(data, size);
    Module module(script);
    UseSerialPortSystem(&module.line);
    CModuleLink link;
    Require(link.OpenPort('1'));
    for (int i = 0; i < kMostOperations && script.remaining_bytes() > 0; ++i) {
        const Step step = NextStep(script);
        const auto requests = static_cast<std::ptrdiff_t>(module.requests.size());
        module.line.writesFail = step.writesFail;
        // The frames the module should take, whole, when writes work.
        const Requests expected = step.write ? Write(link, step) : Read(link, module, step);
        Require(std::equal(module.requests.begin() + requests, module.requests.end(),
                           expected.begin(), step.writesFail ? expected.begin() : expected.end(),
                           Same));
        Require(module.parser.DiscardedBytes() == 0);
    }
    g_hPort.reset();
    UseSerialPortSystem(nullptr);
    return 0;
}
