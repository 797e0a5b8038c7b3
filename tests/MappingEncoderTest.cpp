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

    using Props = std::initializer_list<std::pair<juce::Identifier, juce::var>>;

    // The control's node, with the given properties set.
    juce::ValueTree ctl (int cid, int slot, Props props = {})
    {
        auto node = store.getControlOfSlot (cid, slot);
        for (const auto& [id, value] : props)
            node.setProperty (id, value, nullptr);
        return node;
    }
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
    ctl (19, 1, { { Tags::valueType, "func" }, { Tags::value, 5 } });

    setMode (0, 1);
    auto knob = ctl (1, 0, { { Tags::valueType, "midi" }, { Tags::type, "cc" }, { Tags::chan, 2 }, { Tags::value, 7 }, { Tags::rotate, 2 } });

    ctl (149, 0, { { Tags::valueType, "hotkey" }, { Tags::ctrl, 1 }, { Tags::cmd, 1 }, { Tags::key, 30 }, { Tags::shift2, 1 }, { Tags::key2, 31 } });

    ctl (150, 0, { { Tags::valueType, "mouse" }, { Tags::keyName, "wheel up" } });
    ctl (151, 0, { { Tags::valueType, "null" } });

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
    auto locker = ctl (117, 0, { { Tags::valueType, "func" }, { Tags::value, 94 }, { Tags::name, "PLAY" } });
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
    auto key = ctl (149, 0, { { Tags::valueType, "hotkey" }, { Tags::key, -1 }, { Tags::key2, 200 } });
    auto midi = ctl (19, 0, { { Tags::valueType, "midi" }, { Tags::type, "note" }, { Tags::chan, 0 }, { Tags::value, 300 } });
    auto note = ctl (101, 0, { { Tags::valueType, "func" }, { Tags::value, 255 } });

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
    auto hui = ctl (120, 0, { { Tags::valueType, "hui" }, { Tags::value, 1 } });
    ctl (121, 0, { { Tags::valueType, "hui" }, { Tags::value, 120 }, { Tags::val1, 9 }, { Tags::val2, 0x43 } });
    ctl (122, 0, { { Tags::valueType, "func" }, { Tags::value, 120 }, { Tags::val1, 4 }, { Tags::val2, 0x41 } });
    ctl (123, 0, { { Tags::valueType, "hui" }, { Tags::value, 0 } });
    ctl (124, 0, { { Tags::valueType, "hui" }, { Tags::value, 121 } });

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
