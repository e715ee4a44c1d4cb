#include "tests/fault_matrix/fault_case.h"

#include "resources/resource_ids.h"

namespace {

const Command kVersion{"version", ID_MODULE_VERSION};
const Command kRead{"read", ID_READ_CONFIGURATION};
const Command kSend{"send", ID_SEND_CONFIGURATION};

constexpr auto kInUse = PortCondition::InUse;
constexpr auto kMissing = PortCondition::Missing;
constexpr auto kLineAlive = PortCondition::Simulator;
// More faulty frames than any command sends: the fault hits every try of its block.
const std::string kEveryTry = ":100";
// Block 3's first read, or block 2's write, finds the line gone: contact and two blocks, or
// contact, block 1's write and its read-back, have been served before.
const std::vector<std::string> kHangUpAtThirdFrame = {"--hang-up-after", "3"};
constexpr int kHeaderBytesInFlight = 4;

} // namespace

// Longest first, so that every job stays busy to the end.
const std::vector<FaultCase>& FaultCases() {
    static const std::vector<FaultCase> cases = {
        {"soak_round", {kVersion, kSend, kRead}, {}, kLineAlive, 0, true},
        {"send_healthy", {kSend}, {}},
        {"send_silent", {kSend}, {"--silent"}},
        {"send_wrong_version_text", {kSend}, {"--version", "XYv1.07"}},
        {"send_g8_only", {kSend}, {"--version", "G8"}},
        {"send_bad_check_byte_1_once", {kSend}, {"--bad-check-byte", "1:1"}},
        {"send_bad_check_byte_1_every_try", {kSend}, {"--bad-check-byte", "1" + kEveryTry}},
        {"send_bad_check_byte_2_3_tries", {kSend}, {"--bad-check-byte", "2:3"}},
        {"send_bad_check_byte_4_every_try", {kSend}, {"--bad-check-byte", "4" + kEveryTry}},
        {"send_corrupt_write_1_once", {kSend}, {"--corrupt-write", "1:1"}},
        {"send_corrupt_write_1_every_try", {kSend}, {"--corrupt-write", "1" + kEveryTry}},
        {"send_corrupt_write_2_3_tries", {kSend}, {"--corrupt-write", "2:3"}},
        {"send_corrupt_write_4_every_try", {kSend}, {"--corrupt-write", "4" + kEveryTry}},
        // A short reply on every try fails a read-back as a bad check byte does, only slower.
        {"send_short_reply_2_once", {kSend}, {"--short-reply", "2:1"}},
        {"send_noise_after_writes", {kSend}, {"--noise-after-write", "64"}},
        {"send_hang_up_in_block_2", {kSend}, kHangUpAtThirdFrame, kLineAlive, kHeaderBytesInFlight},
        {"send_port_in_use", {kSend}, {}, kInUse},
        {"send_port_missing", {kSend}, {}, kMissing},
        {"read_healthy", {kRead}, {}},
        {"read_silent", {kRead}, {"--silent"}},
        {"read_wrong_version_text", {kRead}, {"--version", "XYv1.07"}},
        {"read_g8_only", {kRead}, {"--version", "G8"}},
        {"read_bad_check_byte_1_once", {kRead}, {"--bad-check-byte", "1:1"}},
        {"read_bad_check_byte_1_every_try", {kRead}, {"--bad-check-byte", "1" + kEveryTry}},
        {"read_bad_check_byte_2_3_tries", {kRead}, {"--bad-check-byte", "2:3"}},
        {"read_bad_check_byte_4_every_try", {kRead}, {"--bad-check-byte", "4" + kEveryTry}},
        {"read_short_reply_2_once", {kRead}, {"--short-reply", "2:1"}},
        {"read_short_reply_2_every_try", {kRead}, {"--short-reply", "2" + kEveryTry}},
        {"read_hang_up_in_block_3", {kRead}, kHangUpAtThirdFrame, kLineAlive, kHeaderBytesInFlight},
        {"read_port_in_use", {kRead}, {}, kInUse},
        {"read_port_missing", {kRead}, {}, kMissing},
        {"version_healthy", {kVersion}, {}},
        {"version_silent", {kVersion}, {"--silent"}},
        {"version_wrong_version_text", {kVersion}, {"--version", "XYv1.07"}},
        {"version_g8_only", {kVersion}, {"--version", "G8"}},
        {"version_port_in_use", {kVersion}, {}, kInUse},
        {"version_port_missing", {kVersion}, {}, kMissing},
    };
    return cases;
}
