// The module link against a module that answers anything at all: bytes already waiting on the
// line, and any bytes after any byte the link writes. Each operation must end as the frame rules
// say: the same bytes sent, the same bytes taken from the line, the destination written only by
// a valid reply and m_bBusy telling the truth. Destinations are allocated at their exact size so
// that a step outside them is caught.

#include "fake_serial_line.h"
#include "fuzz_require.h"
#include "link/module_link.h"
#include "link/port_handle.h"
#include "link_line_model.h"
#include "platform/message_box.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <memory>

namespace {

constexpr std::size_t kVersionBufferBytes = 11;
constexpr std::size_t kMostWaitingBytes = 300;
constexpr int kMostOperations = 6;
constexpr int kLongestFrame = 255;
constexpr std::uint8_t kUntouched = 0xEE;
// Pacing waits end after one look at the virtual counter.
constexpr std::int64_t kCounterStepNanoseconds = 20'000'000;
constexpr std::uint8_t kIntactReplyFlag = 0x80;

int g_writeErrorBoxes = 0;

enum class Operation { WriteMemory, ReadMemory, QueryVersion, Connect, FlushInput, Restart };

struct Step {
    Operation operation = Operation::FlushInput;
    int length = 0;
    int address = 0;
    bool writesFail = false;
};

// Mostly lengths a frame can carry, now and then any number at all.
int ConsumeLength(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(0, kLongestFrame)
                               : input.ConsumeIntegral<int>();
}

Step ConsumeStep(FuzzedDataProvider& input) {
    Step step;
    step.operation = static_cast<Operation>(input.ConsumeIntegralInRange(0, 5));
    step.length = ConsumeLength(input);
    step.address = input.ConsumeIntegral<int>();
    step.writesFail = input.ConsumeIntegralInRange(0, 7) == 0;
    return step;
}

// A chunk is raw bytes, or data followed by the check byte that makes an intact read reply,
// which random bytes would almost never give.
Bytes ConsumeChunk(FuzzedDataProvider& input) {
    const std::uint8_t control = input.ConsumeIntegral<std::uint8_t>();
    if ((control & kIntactReplyFlag) == 0) {
        return input.ConsumeBytes<std::uint8_t>(control);
    }
    Bytes reply = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegral<std::uint8_t>());
    unsigned sum = 0;
    for (const std::uint8_t byte : reply) {
        sum += byte;
    }
    reply.push_back(static_cast<std::uint8_t>(0x100 - sum % 0x100));
    return reply;
}

struct Scenario {
    std::deque<std::uint8_t> waiting;
    std::vector<Step> steps;
    std::deque<Bytes> chunks;
};

Scenario ConsumeScenario(FuzzedDataProvider& input) {
    Scenario scenario;
    const Bytes waiting = input.ConsumeBytes<std::uint8_t>(
        input.ConsumeIntegralInRange<std::size_t>(0, kMostWaitingBytes));
    scenario.waiting.assign(waiting.begin(), waiting.end());
    const int steps = input.ConsumeIntegralInRange(1, kMostOperations);
    for (int i = 0; i < steps; ++i) {
        scenario.steps.push_back(ConsumeStep(input));
    }
    while (input.remaining_bytes() > 0) {
        scenario.chunks.push_back(ConsumeChunk(input));
    }
    return scenario;
}

bool FitsInFrame(int length) {
    return length >= 0 && length <= kLongestFrame;
}

// A length no frame can carry gets a source of no bytes: the link must not read any.
Bytes SourceBytes(int length) {
    Bytes source(FitsInFrame(length) ? static_cast<std::size_t>(length) : 0);
    for (std::size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<std::uint8_t>(i * 37 + 1);
    }
    return source;
}

class ExactBuffer {
public:
    explicit ExactBuffer(std::size_t size)
        : m_size(std::max<std::size_t>(size, 1)), m_bytes(new std::uint8_t[m_size]) {
        std::fill_n(m_bytes.get(), m_size, kUntouched);
    }
    explicit ExactBuffer(const Bytes& contents) : ExactBuffer(contents.size()) {
        std::copy(contents.begin(), contents.end(), m_bytes.get());
    }
    std::uint8_t* data() { return m_bytes.get(); }
    bool Untouched() const {
        return std::all_of(m_bytes.get(), m_bytes.get() + m_size,
                           [](std::uint8_t byte) { return byte == kUntouched; });
    }
    bool StartsWith(const Bytes& bytes) const {
        return bytes.size() <= m_size && std::equal(bytes.begin(), bytes.end(), m_bytes.get());
    }

private:
    std::size_t m_size;
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

void CheckVersionBuffer(ExactBuffer& buffer, const Bytes& reply) {
    Bytes terminated = reply;
    terminated.push_back(0);
    Require(buffer.StartsWith(terminated));
}

void RunWrite(CModuleLink& link, LinkLineModel& model, const Step& step) {
    const Bytes source = SourceBytes(step.length);
    ExactBuffer exactSource(source);
    link.WriteMemory(exactSource.data(), step.length, step.address);
    model.WriteMemory(source, step.length, step.address);
}

void RunRead(CModuleLink& link, LinkLineModel& model, const Step& step) {
    ExactBuffer destination(FitsInFrame(step.length) ? static_cast<std::size_t>(step.length) : 0);
    link.ReadMemory(destination.data(), step.length, step.address);
    const std::optional<Bytes> expected = model.ReadMemory(step.length, step.address);
    Require(expected ? destination.StartsWith(*expected) : destination.Untouched());
}

void RunVersion(CModuleLink& link, LinkLineModel& model) {
    ExactBuffer buffer(kVersionBufferBytes);
    link.QueryVersion(reinterpret_cast<char*>(buffer.data()));
    CheckVersionBuffer(buffer, model.QueryVersion());
}

void RunConnect(CModuleLink& link, LinkLineModel& model) {
    ExactBuffer buffer(kVersionBufferBytes);
    const bool connected = link.Connect(reinterpret_cast<char*>(buffer.data()));
    Bytes reply;
    Require(connected == model.Connect(reply));
    CheckVersionBuffer(buffer, reply);
}

void Run(CModuleLink& link, LinkLineModel& model, const Step& step) {
    switch (step.operation) {
    case Operation::WriteMemory:
        RunWrite(link, model, step);
        break;
    case Operation::ReadMemory:
        RunRead(link, model, step);
        break;
    case Operation::QueryVersion:
        RunVersion(link, model);
        break;
    case Operation::Connect:
        RunConnect(link, model);
        break;
    case Operation::FlushInput:
        link.FlushInput();
        model.FlushInput();
        break;
    case Operation::Restart:
        link.RestartModule();
        model.RestartModule();
        break;
    }
}

void CheckLine(const CModuleLink& link, const FakeSerialLine& line, const LinkLineModel& model) {
    Require(link.m_bBusy == model.busy());
    Require(line.SentValues() == model.sent());
    Require(line.incoming == model.waiting());
    Require(g_writeErrorBoxes == model.writeErrorBoxes());
}

void RunScenario(const Scenario& scenario) {
    FakeSerialLine line;
    line.counterStepNanoseconds = kCounterStepNanoseconds;
    line.incoming = scenario.waiting;
    auto script = std::make_shared<ReplyScript>(scenario.chunks);
    line.module = [script](FakeSerialLine& fakeLine, std::uint8_t) {
        fakeLine.Receive(script->Next());
    };
    UseSerialPortSystem(&line);
    g_writeErrorBoxes = 0;

    CModuleLink link;
    Require(link.OpenPort('1'));
    LinkLineModel model(scenario.waiting, ReplyScript(scenario.chunks));
    for (const Step& step : scenario.steps) {
        line.writesFail = step.writesFail;
        model.SetWritesFail(step.writesFail);
        Run(link, model, step);
        CheckLine(link, line, model);
    }
    link.ClosePort();
    Require(!line.isOpen);
    g_hPort.reset();
    UseSerialPortSystem(nullptr);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetMessageBoxHandler([](const std::string& text) {
        Require(text == "Write error");
        ++g_writeErrorBoxes;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RunScenario(ConsumeScenario(input));
    return 0;
}
