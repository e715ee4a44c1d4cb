// The module link against a module that answers anything at all: bytes already waiting on the
// line, and any bytes after any byte the link writes. After each operation: the frames sent are
// the operation's frames, whole; a destination is written only with a reply the link took from
// the line whose check byte holds, and then with exactly that reply; m_bBusy tells the truth;
// every failed byte shows one "Write error". Destinations are allocated at their exact size so
// that a step outside them is caught.

#include "fake_serial_line.h"
#include "fuzz_require.h"
#include "link/module_link.h"
#include "link/port_handle.h"
#include "platform/message_box.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <numeric>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kVersionBufferBytes = 11;
constexpr std::size_t kVersionReplyBytes = 10;
constexpr std::size_t kMostWaitingBytes = 300;
constexpr int kMostOperations = 6;
constexpr int kLongestFrame = 255;
constexpr std::size_t kReadTries = 8;
constexpr std::size_t kConnectTries = 4;
constexpr std::size_t kHeaderBytes = 5;
constexpr std::uint8_t kUntouched = 0xEE;
// Pacing waits end after one look at the virtual counter.
constexpr std::int64_t kCounterStepNanoseconds = 20'000'000;
constexpr std::uint8_t kIntactReplyFlag = 0x80;
const Bytes kRestartFrame = {'x', '!', '!', '!', '\r'};
const Bytes kVersionFrame = {'v'};

int g_writeErrorBoxes = 0;

enum class Operation { WriteMemory, ReadMemory, QueryVersion, Connect, FlushInput, Restart };

struct Step {
    Operation operation = Operation::FlushInput;
    int length = 0;
    int address = 0;
    bool writesFail = false;
};

bool FitsInFrame(int length) {
    return length >= 0 && length <= kLongestFrame;
}

Bytes Header(std::uint8_t command, int length, int address) {
    return {command, static_cast<std::uint8_t>((address >> 8) & 0xFF),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length & 0xFF),
            '\r'};
}

Bytes Repeated(const Bytes& frame, std::size_t times) {
    Bytes bytes;
    for (std::size_t i = 0; i < times; ++i) {
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    }
    return bytes;
}

class ExactBuffer {
public:
    explicit ExactBuffer(std::size_t size)
        : m_size(std::max<std::size_t>(size, 1)), m_bytes(new std::uint8_t[m_size]) {
        std::fill_n(m_bytes.get(), m_size, kUntouched);
    }
    std::uint8_t* data() { return m_bytes.get(); }
    Bytes Contents(std::size_t size) const { return Bytes(m_bytes.get(), m_bytes.get() + size); }
    bool Untouched() const {
        return std::all_of(m_bytes.get(), m_bytes.get() + m_size,
                           [](std::uint8_t byte) { return byte == kUntouched; });
    }

private:
    std::size_t m_size;
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

// The line around one operation: what went out, and what the link took off the line (the
// bytes that were waiting or arrived, less those still waiting at the end).
class Watch {
public:
    Watch(FakeSerialLine& line, const Bytes& arrivedBefore)
        : m_line(line), m_sentBefore(line.sent.size()), m_arrivedBefore(arrivedBefore.size()),
          m_waitingBefore(line.incoming.size()), m_boxesBefore(g_writeErrorBoxes) {}

    Bytes Sent() const {
        const Bytes all = m_line.SentValues();
        return Bytes(all.begin() + static_cast<std::ptrdiff_t>(m_sentBefore), all.end());
    }
    // Taken in order: the line is a queue.
    Bytes Taken(const Bytes& arrived) const {
        const std::size_t offered =
            m_waitingBefore + arrived.size() - m_arrivedBefore - m_line.incoming.size();
        const auto start = arrived.end() - static_cast<std::ptrdiff_t>(
                                               m_waitingBefore + arrived.size() - m_arrivedBefore);
        return Bytes(start, start + static_cast<std::ptrdiff_t>(offered));
    }
    int Boxes() const { return g_writeErrorBoxes - m_boxesBefore; }

private:
    FakeSerialLine& m_line;
    std::size_t m_sentBefore;
    std::size_t m_arrivedBefore;
    std::size_t m_waitingBefore;
    int m_boxesBefore;
};

// Every byte that ever reached the line, in order, so what an operation took can be named.
struct Line {
    FakeSerialLine fake;
    Bytes arrived;
    std::deque<Bytes> script;
};

void CheckWrite(CModuleLink& link, Line& line, const Step& step) {
    Bytes source(FitsInFrame(step.length) ? static_cast<std::size_t>(step.length) : 0);
    std::iota(source.begin(), source.end(), std::uint8_t{1});
    ExactBuffer exact(source.size());
    std::copy(source.begin(), source.end(), exact.data());
    const Watch watch(line.fake, line.arrived);
    link.WriteMemory(exact.data(), step.length, step.address);
    const bool sent = FitsInFrame(step.length) && !step.writesFail;
    Bytes frame = Header('w', step.length, step.address);
    frame.insert(frame.end(), source.begin(), source.end());
    Require(watch.Sent() == (sent ? frame : Bytes{}));
    Require(link.m_bBusy == !sent);
    Require(watch.Boxes() == 0);
}

bool IntactReply(const Bytes& reply) {
    return std::accumulate(reply.begin(), reply.end(), 0U) % 0x100 == 0;
}

void CheckRead(CModuleLink& link, Line& line, const Step& step) {
    const std::size_t length = FitsInFrame(step.length) ? static_cast<std::size_t>(step.length) : 0;
    ExactBuffer destination(length);
    const Watch watch(line.fake, line.arrived);
    link.ReadMemory(destination.data(), step.length, step.address);
    if (!FitsInFrame(step.length)) {
        Require(link.m_bBusy && watch.Sent().empty() && destination.Untouched());
        return;
    }
    const Bytes header = Header('r', step.length, step.address);
    const Bytes sent = watch.Sent();
    const std::size_t tries = step.writesFail
                                  ? static_cast<std::size_t>(watch.Boxes()) / kHeaderBytes
                                  : sent.size() / kHeaderBytes;
    Require(tries >= 1 && tries <= kReadTries);
    Require(sent == (step.writesFail ? Bytes{} : Repeated(header, tries)));
    Require(watch.Boxes() == (step.writesFail ? static_cast<int>(tries * kHeaderBytes) : 0));
    const Bytes taken = watch.Taken(line.arrived);
    if (link.m_bBusy) {
        Require(tries == kReadTries && destination.Untouched());
        return;
    }
    // The reply is the last length + 1 bytes taken; the earlier tries took the rest.
    Require(taken.size() >= length + 1);
    const Bytes reply(taken.end() - static_cast<std::ptrdiff_t>(length + 1), taken.end());
    Require(IntactReply(reply));
    Require(destination.Contents(length) == Bytes(reply.begin(), reply.end() - 1));
}

void CheckVersion(CModuleLink& link, Line& line) {
    ExactBuffer buffer(kVersionBufferBytes);
    const Watch watch(line.fake, line.arrived);
    link.QueryVersion(reinterpret_cast<char*>(buffer.data()));
    const Bytes taken = watch.Taken(line.arrived);
    Require(watch.Sent() == (line.fake.writesFail ? Bytes{} : kVersionFrame));
    Require(taken.size() <= kVersionReplyBytes);
    Require(link.m_bBusy == taken.empty() && watch.Boxes() == 0);
    Bytes terminated = taken;
    terminated.push_back(0);
    Require(buffer.Contents(terminated.size()) == terminated);
}

void CheckConnect(CModuleLink& link, Line& line) {
    ExactBuffer buffer(kVersionBufferBytes);
    const Watch watch(line.fake, line.arrived);
    const bool connected = link.Connect(reinterpret_cast<char*>(buffer.data()));
    const Bytes sent = watch.Sent();
    Require(sent.size() >= (line.fake.writesFail ? 0 : 1) && sent.size() <= kConnectTries);
    Require(sent == Repeated(kVersionFrame, sent.size()));
    const Bytes answer = buffer.Contents(3);
    Require(!connected || (!link.m_bBusy && answer == Bytes{'G', '8', 'v'}));
    Require(connected || line.fake.writesFail || sent.size() == kConnectTries);
    Require(watch.Boxes() == 0);
}

void RunStep(CModuleLink& link, Line& line, const Step& step) {
    line.fake.writesFail = step.writesFail;
    switch (step.operation) {
    case Operation::WriteMemory:
        return CheckWrite(link, line, step);
    case Operation::ReadMemory:
        return CheckRead(link, line, step);
    case Operation::QueryVersion:
        return CheckVersion(link, line);
    case Operation::Connect:
        return CheckConnect(link, line);
    case Operation::FlushInput: {
        const Watch watch(line.fake, line.arrived);
        link.FlushInput();
        Require(!link.m_bBusy && watch.Sent().empty());
        return;
    }
    case Operation::Restart: {
        const Watch watch(line.fake, line.arrived);
        link.RestartModule();
        Require(watch.Sent() == (step.writesFail ? Bytes{} : kRestartFrame) && watch.Boxes() == 0);
        return;
    }
    }
}

// Mostly lengths a frame can carry, now and then any number at all.
Step ConsumeStep(FuzzedDataProvider& input) {
    Step step;
    step.operation = static_cast<Operation>(input.ConsumeIntegralInRange(0, 5));
    step.length = input.ConsumeBool() ? input.ConsumeIntegralInRange(0, kLongestFrame)
                                      : input.ConsumeIntegral<int>();
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
    reply.push_back(
        static_cast<std::uint8_t>(0x100 - std::accumulate(reply.begin(), reply.end(), 0U) % 0x100));
    return reply;
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
    Line line;
    line.arrived = input.ConsumeBytes<std::uint8_t>(
        input.ConsumeIntegralInRange<std::size_t>(0, kMostWaitingBytes));
    line.fake.incoming.assign(line.arrived.begin(), line.arrived.end());
    std::vector<Step> steps(
        static_cast<std::size_t>(input.ConsumeIntegralInRange(1, kMostOperations)));
    for (Step& step : steps) {
        step = ConsumeStep(input);
    }
    while (input.remaining_bytes() > 0) {
        line.script.push_back(ConsumeChunk(input));
    }
    line.fake.counterStepNanoseconds = kCounterStepNanoseconds;
    line.fake.module = [&line](FakeSerialLine& fake, std::uint8_t) {
        if (!line.script.empty()) {
            fake.Receive(line.script.front());
            line.arrived.insert(line.arrived.end(), line.script.front().begin(),
                                line.script.front().end());
            line.script.pop_front();
        }
    };
    UseSerialPortSystem(&line.fake);
    g_writeErrorBoxes = 0;
    CModuleLink link;
    Require(link.OpenPort('1'));
    for (const Step& step : steps) {
        RunStep(link, line, step);
    }
    link.ClosePort();
    Require(!line.fake.isOpen);
    g_hPort.reset();
    UseSerialPortSystem(nullptr);
    return 0;
}
