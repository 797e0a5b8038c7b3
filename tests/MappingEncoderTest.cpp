#include "link/Digest.h"
#include "link/MappingEncoder.h"
#include "model/DisplayTexts.h"
#include "model/FactoryTables.h"
#include "model/ModelState.h"

#include <gtest/gtest.h>

using namespace NsDorna;

namespace
{
// One slot's encoding target, fresh for each case.
struct Encoded
{
    SlotRecords records {};
    std::vector<uint8_t> block = std::vector<uint8_t> ((size_t) mappingBlockBytes, 0);
    juce::StringArray texts = [] {
        juce::StringArray t;
        for (int i = 0; i < numOfLcdTexts; ++i)
            t.add (nilLcdEntry());
        return t;
    }();

    void encode (const CtlStore& store, int slot, SendFlags flags = { 1, 0, 0 })
    {
        encodeSlot (store, slot, flags, { records, block, texts });
    }
    std::vector<uint8_t> wire (int aid) const
    {
        return { block.begin() + aid * 8, block.begin() + aid * 8 + 8 };
    }
};

class MappingEncoderTest : public ::testing::Test
{
protected:
    void SetUp() override { resetModelState(); }

    juce::ValueTree ctl (int cid, int slot) { return store.getControlOfSlot (cid, slot); }
    void setMode (int slot, int mode) { store.getSlot (slot).setProperty (Tags::current, mode, nullptr); }

    CtlStore store;
    Encoded enc;
};
} // namespace

TEST_F (MappingEncoderTest, FactoryMappingEncodesToTheFactoryRecordsRetagged)
{
    setMode (1, 2);
    enc.encode (store, 1, { 0, 1, 0 });
    const auto& table = factoryTableForMode (2);
    for (int aid = 0; aid < 226; ++aid)
    {
        auto expected = table[(size_t) aid];
        if ((expected[0] >> 4) <= 3)
            expected[0] = (uint8_t) ((1 << 4) | (expected[0] & 0x0F));
        if (aid >= 88 && aid <= 93)
            expected[6] = 2;
        if ((expected[0] >> 4) == 4) // hotkeys mark their second and third modifier bytes
            expected[2] |= 0x40, expected[4] |= 0x40;
        EXPECT_EQ (enc.records[(size_t) aid], expected) << "aid " << aid;
    }
}

TEST_F (MappingEncoderTest, RecordsByValueType)
{
    setMode (1, 3);
    auto fader = ctl (19, 1);
    fader.setProperty (Tags::valueType, "func", nullptr);
    fader.setProperty (Tags::value, 5, nullptr);

    setMode (0, 1);
    auto knob = ctl (1, 0);
    knob.setProperty (Tags::valueType, "midi", nullptr);
    knob.setProperty (Tags::type, "cc", nullptr);
    knob.setProperty (Tags::chan, 2, nullptr);
    knob.setProperty (Tags::value, 7, nullptr);
    knob.setProperty (Tags::rotate, 2, nullptr);

    auto hotkey = ctl (149, 0);
    hotkey.setProperty (Tags::valueType, "hotkey", nullptr);
    hotkey.setProperty (Tags::ctrl, 1, nullptr);
    hotkey.setProperty (Tags::cmd, 1, nullptr);
    hotkey.setProperty (Tags::key, 30, nullptr);
    hotkey.setProperty (Tags::shift2, 1, nullptr);
    hotkey.setProperty (Tags::key2, 31, nullptr);

    auto mouse = ctl (150, 0);
    mouse.setProperty (Tags::valueType, "mouse", nullptr);
    mouse.setProperty (Tags::keyName, "wheel up", nullptr);
    auto nothing = ctl (151, 0);
    nothing.setProperty (Tags::valueType, "null", nullptr);

    Encoded hui;
    hui.encode (store, 1);
    EXPECT_EQ (hui.wire (cid2aid (19)), (std::vector<uint8_t> { 0x1B, 0x0B, 0x00, 0x05, 0x00, 0x25, 0x00, 0x00 }));

    // midi knob in slot 1 of mode 1
    setMode (1, 1);
    auto knob1 = ctl (1, 1);
    knob1.copyPropertiesFrom (knob, nullptr);
    Encoded mack;
    mack.encode (store, 1);
    EXPECT_EQ (mack.wire (cid2aid (1)), (std::vector<uint8_t> { 0x1B, 0x0B, 0x01, 7, 0x40, 0, 0, 0x10 }));

    enc.encode (store, 0);
    EXPECT_EQ (enc.records[(size_t) cid2aid (149)][0], 0x49);
    EXPECT_EQ (enc.wire (cid2aid (149)), (std::vector<uint8_t> { 0x49, 0x01, 0x0E, 0x42, 31, 0x40, 0, 0 }));
    EXPECT_EQ (enc.wire (cid2aid (150)), (std::vector<uint8_t> { 0x50, 0, 0, 0, 1, 0, 0, 0 }));
    EXPECT_EQ (enc.wire (cid2aid (151)), (std::vector<uint8_t> { 0x00, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ (wheelString2value ("WheelUp"), 1);
    EXPECT_EQ (wheelString2value ("wheel down"), 2);
    EXPECT_EQ (wheelString2value (""), 2);
}

TEST_F (MappingEncoderTest, NilAndUnknownValueTypesKeepTheFactoryRecord)
{
    setMode (0, 1);
    ctl (101, 0).setProperty (Tags::valueType, "nil", nullptr);
    ctl (102, 0).setProperty (Tags::valueType, "MIDI", nullptr);
    ctl (103, 0).removeProperty (Tags::valueType, nullptr);
    enc.encode (store, 0);
    for (int cid : { 101, 102, 103 })
        EXPECT_EQ (enc.records[(size_t) cid2aid (cid)], factoryTableForMode (1)[(size_t) cid2aid (cid)]) << cid;
}

TEST_F (MappingEncoderTest, LockedLcdButtonCarriesTheLockingButtonsMappingAndText)
{
    setMode (0, 1);
    auto locker = ctl (117, 0);
    locker.setProperty (Tags::valueType, "func", nullptr);
    locker.setProperty (Tags::value, 94, nullptr);
    locker.setProperty (Tags::name, "PLAY", nullptr);
    for (int cid = 101; cid <= 165; cid += 16)
        ctl (cid, 0).setProperty (Tags::lockBy, 117, nullptr);

    enc.encode (store, 0);
    for (int cid = 101; cid <= 165; cid += 16)
    {
        EXPECT_EQ (enc.wire (cid2aid (cid)), enc.wire (cid2aid (117))) << cid;
        EXPECT_EQ (enc.texts[cid2aid (cid)], enc.texts[cid2aid (117)]) << cid;
    }
    EXPECT_EQ (enc.texts[cid2aid (117)], addFrontByteForText (Defa::getFormattedSendingText (locker)));
}

TEST_F (MappingEncoderTest, TransportRecordsCarryTheSendFlags)
{
    setMode (0, 1);
    enc.encode (store, 0, { 1, 0, 1 });
    for (int aid = 88; aid <= 93; ++aid)
        EXPECT_EQ (enc.records[(size_t) aid][6], 5) << aid;
    EXPECT_EQ (enc.records[87][6], factoryTableForMode (1)[87][6]);
}

TEST_F (MappingEncoderTest, SlotWithoutAModeIsRetaggedOverWhatItHeld)
{
    store.getSlot (2).setProperty (Tags::current, 0, nullptr);
    for (auto& r : enc.records)
        r = { 0x09, 0x90, 1, 2, 3, 4, 5 };
    enc.records[80] = { 0x45, 9, 0, 0, 0, 0, 0 }; // records 80, 81 belong to no control
    enc.encode (store, 2);
    EXPECT_EQ (enc.records[81], (DeviceRecord { 0x29, 0x90, 1, 2, 3, 4, 5 }));
    EXPECT_EQ (enc.records[80][0], 0x45) << "hotkey records are not retagged";
}

TEST_F (MappingEncoderTest, ValuesBeyondSevenBitsNeverReachTheWire)
{
    setMode (0, 1);
    auto key = ctl (149, 0);
    key.setProperty (Tags::valueType, "hotkey", nullptr);
    key.setProperty (Tags::key, -1, nullptr);
    key.setProperty (Tags::key2, 200, nullptr);
    auto midi = ctl (19, 0);
    midi.setProperty (Tags::valueType, "midi", nullptr);
    midi.setProperty (Tags::type, "note", nullptr);
    midi.setProperty (Tags::chan, 0, nullptr);
    midi.setProperty (Tags::value, 300, nullptr);
    auto note = ctl (101, 0);
    note.setProperty (Tags::valueType, "func", nullptr);
    note.setProperty (Tags::value, 255, nullptr);

    enc.encode (store, 0);
    for (auto b : enc.block)
        ASSERT_LT (b, 0x80);
    EXPECT_EQ (enc.wire (cid2aid (149))[2], 0) << "an unrecognised key goes out as no key";
    EXPECT_EQ (enc.wire (cid2aid (19))[2], 0) << "channel 0 goes out as channel 1";
    EXPECT_EQ (enc.wire (cid2aid (19))[3], 300 & 0x7F);
}

TEST_F (MappingEncoderTest, HuiPairsAndTheUserDefinedFunction)
{
    setMode (0, 3);
    auto hui = ctl (120, 0);
    hui.setProperty (Tags::valueType, "hui", nullptr);
    hui.setProperty (Tags::value, 1, nullptr);
    auto user = ctl (121, 0);
    user.setProperty (Tags::valueType, "hui", nullptr);
    user.setProperty (Tags::value, 120, nullptr);
    user.setProperty (Tags::val1, 9, nullptr);
    user.setProperty (Tags::val2, 0x43, nullptr);
    auto userFunc = ctl (122, 0);
    userFunc.setProperty (Tags::valueType, "func", nullptr);
    userFunc.setProperty (Tags::value, 120, nullptr);
    userFunc.setProperty (Tags::val1, 4, nullptr);
    userFunc.setProperty (Tags::val2, 0x41, nullptr);
    auto none = ctl (123, 0);
    none.setProperty (Tags::valueType, "hui", nullptr);
    none.setProperty (Tags::value, 0, nullptr);
    auto outside = ctl (124, 0);
    outside.setProperty (Tags::valueType, "hui", nullptr);
    outside.setProperty (Tags::value, 121, nullptr);

    enc.encode (store, 0);
    EXPECT_EQ (enc.wire (cid2aid (120)), (std::vector<uint8_t> { 0x0B, 0x0B, 0, 0x0F, 0x0E, 0x2F, 0x43, 0 }));
    EXPECT_EQ (enc.wire (cid2aid (121)), (std::vector<uint8_t> { 0x0B, 0x0B, 0, 0x0F, 9, 0x2F, 0x43, 0 }));
    EXPECT_EQ (enc.wire (cid2aid (122)), (std::vector<uint8_t> { 0x0B, 0x0B, 0, 0x0F, 4, 0x2F, 0x41, 0 }));
    EXPECT_EQ (enc.wire (cid2aid (123)), (std::vector<uint8_t> { 0x0B, 0x0B, 0, 0x0F, 0x7F, 0x2F, 0x7F, 0 }));
    const auto& factory = factoryTableForMode (3)[(size_t) cid2aid (124)];
    EXPECT_EQ (enc.records[(size_t) cid2aid (124)][2], factory[2]) << "no pair: b2..b5 kept";
    EXPECT_EQ (enc.records[(size_t) cid2aid (124)][5], factory[5]);
}

TEST_F (MappingEncoderTest, NonLcdControlLockedToAnLcdButtonWritesNoText)
{
    setMode (0, 1);
    ctl (1, 0).setProperty (Tags::lockBy, 117, nullptr);  // knob, record 115
    ctl (213, 0).setProperty (Tags::lockBy, 180, nullptr); // pedal, record 125
    enc.encode (store, 0);
    EXPECT_EQ (enc.texts.size(), numOfLcdTexts);
    EXPECT_EQ (enc.wire (cid2aid (1)), enc.wire (cid2aid (117)));
}
