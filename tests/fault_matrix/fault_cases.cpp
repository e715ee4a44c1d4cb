#include "tests/fault_matrix/fault_case.h"

#include "tests/fault_matrix/expected_logs.h"
#include "tests/fault_matrix/sim_frame_log.h"

#include <algorithm>

const char kSimulatorVersion[] = "G8v1.07";

namespace {

constexpr int kBlockCount = 4;
constexpr int kBlockBytes = 128;
// Block 1 is written from address 3, over the first six bytes of block 2.
constexpr int kFirstBlockAddress = 3;
constexpr int kFirstBlockLength = 131;
constexpr int kReadTries = 8;
constexpr int kSendAttempts = 4;
constexpr int kConnectTries = 4;
// More faulty frames than any operation sends: the fault hits every try of its block.
constexpr int kEveryTry = 100;
// The most the console drains after a write frame.
constexpr int kNoiseBytesAbsorbed = 64;
// The first frame of block 3's read, or of block 2's write, finds the line gone: contact and
// two reads, or contact and the first block's write and read-back, have been served before.
constexpr int kFramesBeforeHangUp = 3;
// The header bytes of the read the line dies in that may still have gone out.
constexpr int kHeaderBytesInFlight = 4;
constexpr int kReadHeaderBytes = 5;
constexpr std::size_t kByteClearedBySend = 5;
const std::string kLogTextAfterPortChoice = "Wybrano port COM4\r\n";

using Operation::Read;
using Operation::Send;
using Operation::Version;

std::string OperationName(Operation operation) {
    return operation == Version ? "version" : operation == Read ? "read" : "send";
}

std::vector<std::string> BlockFaultOptions(const std::string& option, int block, int times) {
    return {option, std::to_string(block) + ":" + std::to_string(times)};
}

std::string TriesName(int tries) {
    return tries == kEveryTry ? "every try"
           : tries == 1       ? "1 try"
                              : std::to_string(tries) + " tries";
}

ConfigImage SentImage() {
    ConfigImage image = ImageAtStart();
    image[kByteClearedBySend] = 0;
    return image;
}

// The module after blocks 1 to lastBlock have been written.
ModuleMemory MemoryAfterSendingThrough(int lastBlock) {
    ModuleMemory memory = ModuleAtStart();
    const ConfigImage sent = SentImage();
    const int writtenEnd =
        lastBlock == 1 ? kFirstBlockAddress + kFirstBlockLength : lastBlock * kBlockBytes;
    std::copy(sent.begin() + kFirstBlockAddress, sent.begin() + writtenEnd,
              memory.begin() + kFirstBlockAddress);
    return memory;
}

// The simulator spoils the byte in the middle of a corrupted write frame.
std::size_t CorruptedByteOf(int block) {
    const int frameStart = block == 1 ? kFirstBlockAddress : (block - 1) * kBlockBytes;
    const int frameLength = block == 1 ? kFirstBlockLength : kBlockBytes;
    return static_cast<std::size_t>(frameStart + frameLength / 2);
}

FaultCase BaseCase(Operation operation, const std::string& fault,
                   std::vector<std::string> options) {
    FaultCase fc;
    fc.name = OperationName(operation) + " / " + fault;
    fc.operation = operation;
    fc.simulatorOptions = std::move(options);
    fc.expected.logText = operation == Send ? "" : kLogTextAfterPortChoice;
    fc.expected.memory = ModuleAtStart();
    return fc;
}

void ExpectCompleteRead(Expectation& expected) {
    expected.pane = CompleteReadLines();
    expected.image = ImageOutcome::ReadFromModule;
    expected.rawDumpWritten = true;
    expected.frames = ReadFrames();
}

// The log of a send that goes through, with one block written `rewrites` times more.
std::string CompleteSendLines(int rewrittenBlock, int rewrites) {
    std::string lines = ContactLines();
    for (int block = 1; block <= kBlockCount; ++block) {
        lines += SendBlockLines(block, block == rewrittenBlock ? rewrites : 0);
    }
    return lines + SendClosingLines();
}

void ExpectCompleteSend(Expectation& expected) {
    expected.pane = CompleteSendLines(0, 0);
    expected.image = ImageOutcome::SentWithByte5Cleared;
    expected.memory = MemoryAfterSendingThrough(kBlockCount);
    expected.frames = SendFrames();
}

// The operation goes through as if nothing were wrong.
FaultCase Healthy(Operation operation, const std::string& fault, std::vector<std::string> options) {
    FaultCase fc = BaseCase(operation, fault, std::move(options));
    if (operation == Version) {
        fc.expected.pane = VersionLines(kSimulatorVersion);
        fc.expected.frames = VersionFrame();
    } else if (operation == Read) {
        ExpectCompleteRead(fc.expected);
    } else {
        ExpectCompleteSend(fc.expected);
    }
    return fc;
}

FaultCase NoContact(Operation operation, const std::string& fault,
                    std::vector<std::string> options) {
    FaultCase fc = BaseCase(operation, fault, std::move(options));
    fc.expected.pane = NoContactLines();
    fc.expected.boxes = {"Brak połączenia."};
    fc.expected.frames = Repeated(VersionFrame(), kConnectTries);
    return fc;
}

FaultCase PortUnusable(Operation operation, PortCondition port) {
    FaultCase fc =
        BaseCase(operation, port == PortCondition::InUse ? "port in use" : "port missing", {});
    fc.port = port;
    fc.expected.pane = OpenFailureLines();
    fc.expected.boxes = {"Błąd otwarcia portu COM4 !"};
    return fc;
}

// A read reply fault on one block: retried within the read, fatal when it hits all eight tries.
FaultCase ReadReplyFault(const std::string& option, const std::string& fault, int block,
                         int tries) {
    const std::string name = fault + " in block " + std::to_string(block) + ", " + TriesName(tries);
    const std::vector<std::string> options = BlockFaultOptions(option, block, tries);
    if (tries < kReadTries) {
        FaultCase fc = Healthy(Read, name, options);
        fc.expected.frames = ReadFrames(block, Repeated(ReadFrame(block), tries + 1));
        return fc;
    }
    FaultCase fc = BaseCase(Read, name, options);
    fc.expected.pane = ReadLinesThrough(block);
    fc.expected.boxes = {"Błąd odczytu " + std::to_string(block) + "."};
    fc.expected.frames = ReadFrames(block, Repeated(ReadFrame(block), kReadTries), true);
    return fc;
}

// A send that ends with `block` still unverified after four attempts, each of them a write and
// `readBacks` reads.
FaultCase SendFailingIn(const std::string& name, const std::vector<std::string>& options, int block,
                        int readBacks) {
    FaultCase fc = BaseCase(Send, name, options);
    Expectation& expected = fc.expected;
    for (int earlier = 1; earlier < block; ++earlier) {
        expected.pane += SendBlockLines(earlier, 0);
    }
    expected.pane = ContactLines() + expected.pane + SendBlockLines(block, kSendAttempts);
    expected.boxes = {"Błąd weryfikacji " + std::to_string(block)};
    expected.image = ImageOutcome::SentWithByte5Cleared;
    expected.memory = MemoryAfterSendingThrough(block);
    const std::string attempt = WriteFrame(block) + Repeated(ReadFrame(block), readBacks);
    expected.frames = SendFrames(block, Repeated(attempt, kSendAttempts), true);
    return fc;
}

// A read-back reply fault: retried within the read-back, fatal to the block when it hits every
// try of all four attempts.
FaultCase SendReplyFault(const std::string& option, const std::string& fault, int block,
                         int tries) {
    const std::string name = fault + " in block " + std::to_string(block) + ", " + TriesName(tries);
    const std::vector<std::string> options = BlockFaultOptions(option, block, tries);
    if (tries < kReadTries) {
        FaultCase fc = Healthy(Send, name, options);
        fc.expected.frames =
            SendFrames(block, WriteFrame(block) + Repeated(ReadFrame(block), tries + 1));
        return fc;
    }
    return SendFailingIn(name, options, block, kReadTries);
}

FaultCase CorruptWrite(int block, int times) {
    const std::string name = "corrupt write in block " + std::to_string(block) + ", " +
                             (times == kEveryTry ? "every attempt"
                              : times == 1       ? "1 attempt"
                                                 : std::to_string(times) + " attempts");
    const std::vector<std::string> options = BlockFaultOptions("--corrupt-write", block, times);
    if (times < kSendAttempts) {
        FaultCase fc = Healthy(Send, name, options);
        fc.expected.pane = CompleteSendLines(block, times);
        fc.expected.frames =
            SendFrames(block, Repeated(WriteFrame(block) + ReadFrame(block), times + 1));
        return fc;
    }
    FaultCase fc = SendFailingIn(name, options, block, 1);
    const std::size_t spoiled = CorruptedByteOf(block);
    fc.expected.memory[spoiled] = static_cast<std::uint8_t>(~SentImage()[spoiled]);
    return fc;
}

FaultCase HangUpMidRead() {
    FaultCase fc = BaseCase(Read, "hang-up mid-read (block 3)",
                            {"--hang-up-after", std::to_string(kFramesBeforeHangUp)});
    fc.expected.pane = ReadLinesThrough(3);
    fc.expected.boxes.assign(kReadTries * kReadHeaderBytes - 1, "Write error");
    fc.expected.boxes.push_back("Błąd odczytu 3.");
    fc.expected.writeErrorsMayLack = kHeaderBytesInFlight;
    fc.expected.frames = ReadFrames(3, "", true);
    fc.expected.lineHungUp = true;
    return fc;
}

// The write frame is cut short silently; every header byte of every read-back then fails.
FaultCase HangUpMidWrite() {
    FaultCase fc = BaseCase(Send, "hang-up mid-write (block 2)",
                            {"--hang-up-after", std::to_string(kFramesBeforeHangUp)});
    fc.expected.pane = ContactLines() + SendBlockLines(1, 0) + SendBlockLines(2, kSendAttempts);
    fc.expected.boxes.assign(kSendAttempts * kReadTries * kReadHeaderBytes, "Write error");
    fc.expected.boxes.push_back("Błąd weryfikacji 2");
    fc.expected.image = ImageOutcome::SentWithByte5Cleared;
    fc.expected.memory = MemoryAfterSendingThrough(1);
    fc.expected.frames = SendFrames(2, "", true);
    fc.expected.lineHungUp = true;
    return fc;
}

void AddContactCases(std::vector<FaultCase>& cases, Operation operation) {
    cases.push_back(Healthy(operation, "healthy module", {}));
    cases.push_back(NoContact(operation, "silent module", {"--silent"}));
    cases.push_back(NoContact(operation, "wrong version text", {"--version", "XYv1.07"}));
    cases.push_back(NoContact(operation, "\"G8\" only", {"--version", "G8"}));
}

void AddPortCases(std::vector<FaultCase>& cases, Operation operation) {
    cases.push_back(PortUnusable(operation, PortCondition::InUse));
    cases.push_back(PortUnusable(operation, PortCondition::Missing));
}

// Which block a reply or write fault hits and how often: block 1 is written from its own
// address, block 4 is the last; once, within the retries, and on every try.
struct BlockFault {
    int block;
    int times;
};
constexpr BlockFault kBlockFaults[] = {{1, 1}, {1, kEveryTry}, {2, 3}, {4, kEveryTry}};

void AddReadCases(std::vector<FaultCase>& cases) {
    AddContactCases(cases, Read);
    for (const auto& [block, tries] : kBlockFaults) {
        cases.push_back(ReadReplyFault("--bad-check-byte", "bad check byte", block, tries));
    }
    cases.push_back(ReadReplyFault("--short-reply", "short reply", 2, 1));
    cases.push_back(ReadReplyFault("--short-reply", "short reply", 2, kEveryTry));
    cases.push_back(HangUpMidRead());
    AddPortCases(cases, Read);
}

void AddSendCases(std::vector<FaultCase>& cases) {
    AddContactCases(cases, Send);
    for (const auto& [block, times] : kBlockFaults) {
        cases.push_back(SendReplyFault("--bad-check-byte", "bad check byte", block, times));
        cases.push_back(CorruptWrite(block, times));
    }
    // A short reply on every try fails the read-back as a bad check byte does, only slower (each
    // try waits out its timeout), so once is enough for the send.
    cases.push_back(SendReplyFault("--short-reply", "short reply", 2, 1));
    cases.push_back(Healthy(Send, "noise after writes",
                            {"--noise-after-write", std::to_string(kNoiseBytesAbsorbed)}));
    cases.push_back(HangUpMidWrite());
    AddPortCases(cases, Send);
}

} // namespace

ModuleMemory ModuleAtStart() {
    ModuleMemory memory;
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
    return memory;
}

ConfigImage ImageAtStart() {
    ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 2);
    }
    return image;
}

std::vector<FaultCase> AllFaultCases() {
    std::vector<FaultCase> cases;
    AddContactCases(cases, Version);
    AddPortCases(cases, Version);
    AddReadCases(cases);
    AddSendCases(cases);
    return cases;
}
