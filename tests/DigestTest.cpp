#include "link/Digest.h"

#include <gtest/gtest.h>

using namespace NsDorna;

TEST (Digest, SineFoldMatchesTheWorkedExample)
{
    EXPECT_EQ (digestForData (std::vector<uint8_t> {}), 0);
    EXPECT_EQ (digestForData (std::vector<uint8_t> { 1, 2, 3 }), 6107015);
    EXPECT_EQ (digestForString ("abc"), 4495801);
    EXPECT_EQ (digestForTexts (juce::StringArray { "abc" }), 7742876);
    EXPECT_EQ (digestForData (std::vector<int> { 6107015, 7742876 }), 3671796);
    EXPECT_EQ (getFinalDigest (3671796), 0x74);
}

TEST (Digest, BytesAreUnsignedButTextBytesSigned)
{
    // 200 as an unsigned byte and as a signed text byte (−56) must give different digests.
    EXPECT_NE (digestForData (std::vector<uint8_t> { 200 }), digestForData (std::vector<int> { -56 }));
    EXPECT_EQ (digestForString (juce::String::fromUTF8 ("\xc3\xa9")), digestForData (std::vector<int> { -61 }));
}

TEST (Digest, MarkerByteOfLcdTexts)
{
    const struct { const char* text; int marker; } cases[] = {
        { "                ", 7 }, { "PLAY            ", 3 }, { "REC             ", 1 },
        { "ABCDEFGH        ", 2 }, { "FAST    FORWARD ", 6 }, { "AB      CD      ", 7 },
        { "A       B       ", 4 },
    };
    for (const auto& c : cases)
    {
        const auto marked = addFrontByteForText (c.text);
        ASSERT_EQ (marked.length(), 17) << c.text;
        EXPECT_EQ ((int) marked[0], c.marker) << c.text;
        EXPECT_EQ (marked.substring (1), c.text);
    }
}
