#include "link/SysexMessages.h"
#include "link/LinkState.h"

#include <gtest/gtest.h>

using namespace NsDorna;

namespace
{
std::vector<uint8_t> bytesOf (const juce::MidiMessage& m)
{
    return { m.getRawData(), m.getRawData() + m.getRawDataSize() };
}
} // namespace

TEST (SysexMessages, DigestQueryOfTheWorkedExample)
{
    EXPECT_EQ (bytesOf (makeDigestMessage (2054, 0, 1, 3671796, Cmd::digestQuery)),
               (std::vector<uint8_t> { 0xF0, 0x1D, 0x03, 0x10, 0x06, 0x21, 0x01, 0x74, 0xF7 }));
    EXPECT_EQ (midiMsg2midiNum (makeDigestMessage (2054, 0, 1, 0, Cmd::digestStore)), 3);
    EXPECT_EQ (bytesOf (midiExtra()), (std::vector<uint8_t> { 0xEF, 0x7F, 0x7F }));
    EXPECT_EQ (bytesOf (hostPlatformMessage (1)), (std::vector<uint8_t> { 0xEC, 0x2A, 0x01 }));
}

TEST (SysexMessages, SlotModeByte)
{
    EXPECT_EQ (slotModeByte (2, 18, 1), 0x52);
    EXPECT_EQ (slotModeByte (1, 3, 1), 0x23);
    EXPECT_EQ (slotModeByte (0, 0, 1), 0x01);
    EXPECT_EQ (slotModeByte (0, 0, 0), 0x00);
    EXPECT_EQ (slotModeByte (1, -4, 0), 0x20);
}

TEST (SysexMessages, DataPartsCarryTheBlockInSixPieces)
{
    std::vector<uint8_t> block ((size_t) mappingBlockBytes);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = (uint8_t) (i % 0x7F);

    std::vector<uint8_t> joined;
    for (int part = 1; part <= MyConf::numOfDataParts; ++part)
    {
        const auto m = bytesOf (makeDataPart (2054, 2, 18, block, part));
        ASSERT_EQ ((int) m.size(), part < 6 ? Messages::sizeOfSendPartDataCmd : Messages::sizeOfSendLastPartDataCmd);
        EXPECT_EQ (m[5], 0x25);
        EXPECT_EQ (m[6], 0x52);
        EXPECT_EQ (m[7], part);
        EXPECT_EQ (m[8], 40) << "part 6 still says 40 records";
        EXPECT_EQ (m.back(), 0xF7);
        joined.insert (joined.end(), m.begin() + 9, m.end() - 1);
    }
    EXPECT_EQ (joined, block);
    EXPECT_EQ (midiMsg2midiNum (makeDataPart (2054, 0, 1, block, 1)), 110);
    EXPECT_EQ (midiMsg2midiNum (makeDataPart (2054, 0, 1, block, 6)), 73);
}

TEST (SysexMessages, TextPartsCarrySixteenEntriesEach)
{
    juce::StringArray texts;
    for (int i = 0; i < numOfLcdTexts; ++i)
        texts.add (juce::String::charToString (1 + i % 7) + juce::String (i).paddedRight ('x', 16));

    for (int part = 1; part <= MyConf::numOfTextParts; ++part)
    {
        const auto m = bytesOf (makeTextPart (2054, 1, 3, texts, part));
        ASSERT_EQ ((int) m.size(), Messages::sizeOfSendPartTextCmd);
        EXPECT_EQ (m[5], 0x26);
        EXPECT_EQ (m[6], 0x23);
        EXPECT_EQ (m[7], part);
        EXPECT_EQ (m[8], 16);
        const int first = (part - 1) * 16;
        EXPECT_EQ (juce::String ((const char*) m.data() + 9, 17), texts[first]);
        EXPECT_EQ (juce::String ((const char*) m.data() + 9 + 15 * 17, 17), texts[first + 15]);
    }
    EXPECT_EQ (midiMsg2midiNum (makeTextPart (2054, 0, 1, texts, 1)), 94);
}

TEST (SysexMessages, NoDataByteAtOrAbove0x80)
{
    std::vector<uint8_t> block ((size_t) mappingBlockBytes, 0xFF);
    juce::StringArray texts;
    for (int i = 0; i < numOfLcdTexts; ++i)
        texts.add (i % 2 ? juce::String::fromUTF8 ("\xc3\xa9t\xc3\xa9") : juce::String ("short"));

    std::vector<juce::MidiMessage> all { makeDigestMessage (2054, 2, 99, -1, Cmd::digestQuery) };
    for (int p = 1; p <= 6; ++p)
        all.push_back (makeDataPart (2054, 2, 40, block, p));
    for (int p = 1; p <= 5; ++p)
        all.push_back (makeTextPart (2054, 2, 40, texts, p));

    for (const auto& m : all)
    {
        const auto b = bytesOf (m);
        for (size_t i = 1; i + 1 < b.size(); ++i)
            ASSERT_LT (b[i], 0x80) << "byte " << i << " of a " << b.size() << "-byte message";
    }
    // A malformed entry goes out blank rather than broken.
    const auto m = bytesOf (makeTextPart (2054, 0, 1, texts, 1));
    EXPECT_EQ (juce::String ((const char*) m.data() + 9, 17), nilLcdEntry());
}
