#include "editors/cp1250_codec.h"

#include <gtest/gtest.h>

namespace {

constexpr char32_t kReplacement = U'\uFFFD';

TEST(Cp1250Codec, PolishLettersAndSignsHaveTheirCodePageBytes) {
    EXPECT_EQ(UnicodeToCp1250(U"ąćęłńóśźż"), "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_EQ(UnicodeToCp1250(U"ĄĆĘŁŃÓŚŹŻ"), "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(UnicodeToCp1250(U"Az~€¤°–˙"), "Az~\x80\xA4\xB0\x96\xFF");
    EXPECT_EQ(Cp1250ToUnicode("Ok \xB9\xB3\xF3\xBF\xA3\x9C"), U"Ok ąłóżŁś");
}

TEST(Cp1250Codec, EveryByteButTheUnassignedComesBackFromItsCharacter) {
    int unassigned = 0;
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const char32_t character = UnicodeFromCp1250(static_cast<std::uint8_t>(byte));
        if (character == kReplacement) {
            ++unassigned;
        } else {
            EXPECT_EQ(Cp1250FromUnicode(character), byte) << byte;
        }
    }
    EXPECT_EQ(unassigned, 5);
    EXPECT_EQ(UnicodeFromCp1250(0x81), kReplacement);
    EXPECT_EQ(UnicodeFromCp1250(0x98), kReplacement);
}

TEST(Cp1250Codec, CharactersOutsideTheCodePageHaveNoByte) {
    EXPECT_EQ(Cp1250FromUnicode(kReplacement), std::nullopt);
    EXPECT_EQ(Cp1250FromUnicode(U'ñ'), std::nullopt);
    EXPECT_EQ(Cp1250FromUnicode(U'Ж'), std::nullopt);
    EXPECT_EQ(Cp1250FromUnicode(U'\u0081'), std::nullopt);
    EXPECT_EQ(UnicodeToCp1250(U"Alarm 🔥 linii"), std::nullopt);
}

TEST(Cp1250Codec, ConvertsModuleTextsToUtf8ForTheLog) {
    EXPECT_EQ(Cp1250ToUtf8("G8v\x01"
                           "1.0"),
              "G8v\x01"
              "1.0");
    EXPECT_EQ(Cp1250ToUtf8("\xB9\xA3\x80\x81"), "ąŁ€\uFFFD");
}

} // namespace
