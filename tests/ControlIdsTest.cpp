#include "model/ControlIds.h"
#include "model/ModelState.h"
#include "model/Tags.h"

#include <juce_data_structures/juce_data_structures.h>

#include <gtest/gtest.h>

using namespace NsDorna;

namespace
{
struct CidRow
{
    int cid;
    int aid;
    int kind; // CtlType value
    bool lcd, jog, pedal;
};

// One row per range boundary of the id table, plus the ids outside it.
const CidRow cidRows[] = {
    { 0, -1, CtlType::button, false, false, false },
    { 1, 115, CtlType::knob, false, false, false },
    { 8, 122, CtlType::knob, false, false, false },
    { 9, 123, CtlType::button, false, true, false },
    { 10, 106, CtlType::button, false, false, false },
    { 17, 113, CtlType::button, false, false, false },
    { 18, 114, CtlType::button, false, false, false },
    { 19, 135, CtlType::fader, false, false, false },
    { 27, 143, CtlType::fader, false, false, false },
    { 28, 126, CtlType::button, false, false, false },
    { 36, 134, CtlType::button, false, false, false },
    { 37, 170, CtlType::knob, false, false, false },
    { 44, 177, CtlType::knob, false, false, false },
    { 45, 162, CtlType::button, false, false, false },
    { 52, 169, CtlType::button, false, false, false },
    { 53, 186, CtlType::knob, false, false, false },
    { 60, 193, CtlType::knob, false, false, false },
    { 61, 178, CtlType::button, false, false, false },
    { 68, 185, CtlType::button, false, false, false },
    { 69, 202, CtlType::knob, false, false, false },
    { 77, 194, CtlType::button, false, false, false },
    { 85, 218, CtlType::knob, false, false, false },
    { 92, 225, CtlType::knob, false, false, false },
    { 93, 210, CtlType::button, false, false, false },
    { 100, 217, CtlType::button, false, false, false },
    { 101, 0, CtlType::button, true, false, false },
    { 180, 79, CtlType::button, true, false, false },
    { 181, -1, CtlType::button, false, false, false },
    { 188, -1, CtlType::button, false, false, false },
    { 189, 88, CtlType::button, false, false, false },
    { 194, 93, CtlType::button, false, false, false },
    { 195, -1, CtlType::button, false, false, false },
    { 200, -1, CtlType::button, false, false, false },
    { 206, -1, CtlType::button, false, false, false },
    { 207, 82, CtlType::button, false, false, false },
    { 212, 87, CtlType::button, false, false, false },
    { 213, 124, CtlType::button, false, false, true },
    { 214, 125, CtlType::button, false, false, true },
    { 215, -1, CtlType::button, false, false, false },
    { 226, -1, CtlType::button, false, false, false },
    { 500, -1, CtlType::button, false, false, false },
    { -3, -1, CtlType::button, false, false, false },
};
} // namespace

TEST (ControlIds, TableOfIdsRecordsAndKinds)
{
    for (const auto& row : cidRows)
    {
        SCOPED_TRACE (row.cid);
        EXPECT_EQ (cid2aid (row.cid), row.aid);
        EXPECT_EQ (ctlTypeForCid (row.cid), row.kind);
        EXPECT_EQ (controlIsKnob (row.cid), row.kind == CtlType::knob);
        EXPECT_EQ (controlIsFader (row.cid), row.kind == CtlType::fader);
        EXPECT_EQ (controlIsButton (row.cid), row.kind == CtlType::button);
        EXPECT_EQ (controlIsLcdButton (row.cid), row.lcd);
        EXPECT_EQ (controlIsJogWhl (row.cid), row.jog);
        EXPECT_EQ (controlIsPedal (row.cid), row.pedal);
    }
}

TEST (ControlIds, RecordIndexesAreUniqueAndLeaveTheUnusedOnesFree)
{
    std::vector<int> owner (226, 0);
    for (int cid = 1; cid <= 226; ++cid)
    {
        const int aid = cid2aid (cid);
        if (aid < 0)
            continue;
        ASSERT_LT (aid, 226);
        EXPECT_EQ (owner[(size_t) aid], 0) << "aid " << aid << " taken by " << owner[(size_t) aid] << " and " << cid;
        owner[(size_t) aid] = cid;
    }
    for (int aid = 0; aid < 226; ++aid)
    {
        const bool unused = (aid >= 80 && aid <= 81) || (aid >= 94 && aid <= 105) || (aid >= 144 && aid <= 161);
        EXPECT_EQ (owner[(size_t) aid] == 0, unused) << "aid " << aid;
    }
}

TEST (ControlIds, LayerTablesAddressKnobsAndMonButtons)
{
    for (size_t layer = 0; layer < 5; ++layer)
        for (int k = 0; k < 8; ++k)
        {
            EXPECT_TRUE (controlIsKnob (knob1Cids[layer] + k));
            EXPECT_FALSE (controlIsKnob (mon1Cids[layer] + k));
        }
}

TEST (ControlIds, SmallHelpers)
{
    EXPECT_TRUE (inRange() (5, 5, 5));
    EXPECT_FALSE (inRange() (6, 5, 5));
    EXPECT_TRUE (checkCid() (214));
    EXPECT_FALSE (checkCid() (215));
    EXPECT_FALSE (checkModeIndex() (0));
    EXPECT_TRUE (checkModeIndex() (18));
    EXPECT_FALSE (checkSlotIndex() (3));
    EXPECT_TRUE (mod2ptcl() (3));
    EXPECT_FALSE (mod2ptcl() (0));

    const int nibbles[][2] = { { 9, 0 }, { 11, 1 }, { 12, 2 }, { 14, 3 }, { 0, 4 }, { 8, -1 }, { 10, -1 } };
    for (auto [nibble, index] : nibbles)
        EXPECT_EQ (tyva2index() (nibble), index) << nibble;

    EXPECT_EQ (getIndexFor() (111, cidOfLcdBtnsWhichCantChg), 1);
    EXPECT_EQ (getIndexFor() (113, cidOfLcdBtnsWhichCantChg), -1);
}

TEST (ControlIds, HuiFixedButtonsFollowTheCurrentMode)
{
    // A tree of our own stands in for the host's.
    juce::ValueTree root (Tags::slots);
    root.setProperty (Tags::current, 1, nullptr);
    for (int s = 0; s < 3; ++s)
        root.appendChild (juce::ValueTree (Tags::slot).setProperty (Tags::current, 0, nullptr), nullptr);

    setCurrentModeSource ([root] {
        const int slot = root.getProperty (Tags::current);
        return CtlMode ((int) root.getChild (slot).getProperty (Tags::current));
    });

    // The answer follows the current slot's mode only, never another slot's.
    const struct { int slot; int modes[3]; int cid; bool fixed; } cases[] = {
        { 1, { 1, 3, 1 }, 102, true }, { 1, { 1, 3, 1 }, 111, true }, { 1, { 1, 3, 1 }, 112, true },
        { 1, { 1, 3, 1 }, 113, false }, { 1, { 1, 3, 1 }, 101, false }, { 1, { 3, 1, 3 }, 111, false },
        { 1, { 3, 0, 3 }, 111, false }, { 2, { 1, 1, 3 }, 111, true },
    };
    for (const auto& c : cases)
    {
        root.setProperty (Tags::current, c.slot, nullptr);
        for (int s = 0; s < 3; ++s)
            root.getChild (s).setProperty (Tags::current, c.modes[s], nullptr);
        EXPECT_EQ (controlIsHuiFixedButton (c.cid), c.fixed) << "slot " << c.slot << " cid " << c.cid;
    }

    resetModelState();
    EXPECT_FALSE (controlIsHuiFixedButton (111));
}
