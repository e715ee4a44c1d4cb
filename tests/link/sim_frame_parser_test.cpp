#include "tools/sim_frame_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sim::FrameParser;
using sim::Request;
using sim::RequestKind;

std::vector<Request> FeedAll(FrameParser& parser, const std::string& bytes) {
    std::vector<Request> requests;
    for (char byte : bytes) {
        if (std::optional<Request> request = parser.Feed(static_cast<std::uint8_t>(byte))) {
            requests.push_back(*request);
        }
    }
    return requests;
}

// Frames hold zero bytes, so they are spelled out byte by byte.
std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

std::vector<RequestKind> KindsOf(const std::vector<Request>& requests) {
    std::vector<RequestKind> kinds;
    for (const Request& request : requests) {
        kinds.push_back(request.kind);
    }
    return kinds;
}

TEST(SimFrameParserTest, RecognisesEachRequestWithItsFields) {
    FrameParser parser;
    const std::string bytes = Bytes({'w', 0x01, 0x80, 3, '\r', 'a', 'b', 'c'}) +
                              Bytes({'r', 0x00, 0x03, 0x83, '\r'}) + "v" + "x!!!\r";
    const std::vector<Request> requests = FeedAll(parser, bytes);

    ASSERT_EQ(requests.size(), 4U);
    EXPECT_EQ(requests[0].kind, RequestKind::WriteMemory);
    EXPECT_EQ(requests[0].address, 0x0180);
    EXPECT_EQ(requests[0].length, 3);
    EXPECT_EQ(requests[0].data, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(requests[1].kind, RequestKind::ReadMemory);
    EXPECT_EQ(requests[1].address, 0x0003);
    EXPECT_EQ(requests[1].length, 131);
    EXPECT_EQ(requests[2].kind, RequestKind::Version);
    EXPECT_EQ(requests[3].kind, RequestKind::Restart);
    EXPECT_EQ(parser.DiscardedBytes(), 0U);
}

// Inside a write frame every byte is data, whatever it looks like.
TEST(SimFrameParserTest, WriteDataThatLooksLikeCommandsIsData) {
    FrameParser parser;
    const std::vector<Request> requests = FeedAll(parser, Bytes({'w', 0, 0, 6, '\r'}) + "vrx!\r\n");

    ASSERT_EQ(requests.size(), 1U);
    EXPECT_EQ(requests[0].data, (std::vector<std::uint8_t>{'v', 'r', 'x', '!', '\r', '\n'}));
}

TEST(SimFrameParserTest, AZeroLengthWriteEndsWithItsHeader) {
    FrameParser parser;
    const std::vector<Request> requests = FeedAll(parser, Bytes({'w', 0, 0x10, 0, '\r', 'v'}));

    EXPECT_EQ(KindsOf(requests),
              (std::vector<RequestKind>{RequestKind::WriteMemory, RequestKind::Version}));
}

TEST(SimFrameParserTest, GarbageIsSkippedAndBrokenFramesResyncAtTheBreakingByte) {
    FrameParser parser;
    // "zz" garbage; a read header whose fifth byte is 'v'; a restart broken by 'r' which
    // starts a good read; "x!!v" broken by 'v'.
    const std::string bytes =
        "zz" + Bytes({'r', 0, 0, 4, 'v'}) + Bytes({'x', '!', 'r', 0, 0, 1, '\r'}) + "x!!v";
    const std::vector<Request> requests = FeedAll(parser, bytes);

    EXPECT_EQ(KindsOf(requests),
              (std::vector<RequestKind>{RequestKind::Version, RequestKind::ReadMemory,
                                        RequestKind::Version}));
    EXPECT_EQ(requests[1].length, 1);
    EXPECT_EQ(parser.DiscardedBytes(), 2U + 4U + 2U + 3U);
}

TEST(SimFrameParserTest, SurvivesEveryByteValueInEveryState) {
    for (const std::string& prefix : {Bytes({}), Bytes({'w'}), Bytes({'w', 1, 2, 3, '\r'}),
                                      Bytes({'r', 1}), Bytes({'x', '!', '!'})}) {
        for (int value = 0; value < 256; ++value) {
            FrameParser parser;
            FeedAll(parser, prefix + static_cast<char>(value));
            const std::vector<Request> after = FeedAll(parser, std::string("\rzzzz") + "v");
            ASSERT_FALSE(after.empty()) << "prefix " << prefix << " byte " << value;
            EXPECT_EQ(after.back().kind, RequestKind::Version);
        }
    }
}

} // namespace
