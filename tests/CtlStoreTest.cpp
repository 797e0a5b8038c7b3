#include "model/CtlStore.h"

#include <gtest/gtest.h>

using namespace NsDorna;

namespace
{
juce::ValueTree skeleton()
{
    juce::ValueTree tree (Tags::slots);
    CtlStore (tree).addMissingProps();
    return tree;
}
} // namespace

TEST (CtlStore, SkeletonShape)
{
    auto tree = skeleton();
    EXPECT_EQ ((int) tree.getProperty (Tags::current), 0);
    EXPECT_EQ (tree.getProperty (Tags::ver).toString(), "1.32");
    ASSERT_EQ (tree.getNumChildren(), 3);

    for (int s = 0; s < 3; ++s)
    {
        const auto slot = tree.getChild (s);
        EXPECT_EQ (slot.getType(), Tags::slot);
        EXPECT_EQ ((int) slot.getProperty (Tags::id), s);
        EXPECT_EQ ((int) slot.getProperty (Tags::current, -1), 0);
        ASSERT_EQ (slot.getNumChildren(), 18);
        for (int m = 1; m <= 18; ++m)
        {
            const auto mode = slot.getChild (m - 1);
            EXPECT_EQ ((int) mode.getProperty (Tags::id), m);
            EXPECT_EQ (mode.getProperty (Tags::mode).toString(), CtlMode::slugForType (m));
            EXPECT_EQ ((int) mode.getProperty (Tags::protocol), m == 3 ? 1 : 0);
            ASSERT_EQ (mode.getNumChildren(), 226);
            for (int cid = 1; cid <= 226; ++cid)
            {
                const auto ctl = mode.getChild (cid - 1);
                ASSERT_EQ ((int) ctl.getProperty (Tags::id), cid);
                ASSERT_EQ (ctl.hasProperty (Tags::lockBy), controlIsLcdButton (cid)) << cid;
            }
        }
    }
}

TEST (CtlStore, SkeletonPropertyOrderIsTheOrderOfCreation)
{
    auto tree = skeleton();
    const auto slot = tree.getChild (2);
    const juce::Identifier slotProps[] = { Tags::id, Tags::current, Tags::daw1, Tags::daw2, Tags::daw3 };
    ASSERT_EQ (slot.getNumProperties(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (slot.getPropertyName (i), slotProps[i]);

    const auto lcd = slot.getChild (0).getChild (100);
    const juce::Identifier ctlProps[] = { Tags::id, Tags::kind, Tags::valueType, Tags::value, Tags::name, Tags::lockBy };
    ASSERT_EQ (lcd.getNumProperties(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (lcd.getPropertyName (i), ctlProps[i]);
    EXPECT_EQ (lcd.getProperty (Tags::valueType).toString(), "nil");
    EXPECT_EQ (lcd.getProperty (Tags::kind).toString(), "button");
    EXPECT_EQ (slot.getChild (0).getChild (0).getProperty (Tags::kind).toString(), "knob");
    EXPECT_EQ (slot.getChild (0).getChild (18).getProperty (Tags::kind).toString(), "fader");
}

TEST (CtlStore, RebuildingDropsEverythingBelowTheRoot)
{
    auto tree = skeleton();
    CtlStore store (tree);
    tree.setProperty (Tags::current, 2, nullptr);
    store.getControlOfSlot (5, 1).setProperty (Tags::name, "Mine", nullptr);
    tree.appendChild (juce::ValueTree (Tags::slot), nullptr);

    store.addMissingProps();
    EXPECT_EQ (tree.getNumChildren(), 3);
    EXPECT_EQ ((int) tree.getProperty (Tags::current), 0);
    EXPECT_EQ (store.getControlOfSlot (5, 1).getProperty (Tags::name).toString(), "");
}

TEST (CtlStore, LookupsAndTheirFallbacks)
{
    auto tree = skeleton();
    CtlStore store (tree);

    tree.removeProperty (Tags::current, nullptr);
    EXPECT_EQ (store.getSlot (-1), tree.getChild (0));
    EXPECT_EQ (store.getSlotIndex(), 0);
    EXPECT_FALSE (store.getSlot (3).isValid());
    EXPECT_FALSE (store.getSlot (-2).isValid());

    // Slot mode 0 counts as mode 1 for controls, but is "no mode" for getCtlMode.
    tree.setProperty (Tags::current, 1, nullptr);
    EXPECT_EQ (store.getControl (5), tree.getChild (1).getChild (0).getChild (4));
    EXPECT_EQ ((int) store.getCtlMode(), 0);

    tree.getChild (1).setProperty (Tags::current, 7, nullptr);
    EXPECT_EQ ((int) store.getCtlMode(), 7);
    EXPECT_EQ ((int) store.getModeOfSlot (1), 7);
    EXPECT_EQ (store.getControl (226), tree.getChild (1).getChild (6).getChild (225));

    const struct { int slotCurrent; int modeOfSlot1; int cid; bool valid; int ctlMode; } cases[] = {
        { 1, 7, 0, false, 7 },   { 1, 7, 227, false, 7 }, { 1, 19, 5, false, 0 }, { 1, -1, 5, false, 0 },
        { 5, 7, 5, false, 0 },   { -2, 7, 5, false, 0 },  { 1, 18, 1, true, 18 },
    };
    for (const auto& c : cases)
    {
        tree.setProperty (Tags::current, c.slotCurrent, nullptr);
        tree.getChild (1).setProperty (Tags::current, c.modeOfSlot1, nullptr);
        const auto ctl = store.getControl (c.cid);
        EXPECT_EQ (ctl.isValid(), c.valid) << c.slotCurrent << "/" << c.modeOfSlot1 << "/" << c.cid;
        EXPECT_EQ ((int) ctl.getProperty (Tags::value, 42), c.valid ? 0 : 42);
        EXPECT_EQ ((int) store.getCtlMode(), c.ctlMode);
    }
    EXPECT_EQ (tree.getChild (1).getNumChildren(), 18) << "lookups never create nodes";
}

TEST (CtlStore, ClearPropsKeepsTheNameOnlyForMidiAndNull)
{
    auto tree = skeleton();
    const std::pair<const char*, bool> cases[] = { { "midi", true }, { "null", true }, { "nil", true },
                                                   { "func", false }, { "hotkey", false }, { "mouse", false },
                                                   { "hui", false } };
    for (auto [vt, keeps] : cases)
    {
        auto ctl = tree.getChild (0).getChild (0).getChild (120);
        ctl.setProperty (Tags::valueType, vt, nullptr);
        ctl.setProperty (Tags::name, "Mine", nullptr);
        ctl.setProperty (Tags::lockBy, 121, nullptr);
        ctl.setProperty (Tags::key2, 30, nullptr);
        ctl.setProperty (Tags::diyNameQ, 1, nullptr);
        ctl.setProperty (Tags::chan, 5, nullptr);

        clearProps (ctl);
        EXPECT_EQ (ctl.getProperty (Tags::name).toString(), keeps ? "Mine" : "") << vt;
        EXPECT_EQ (ctl.getProperty (Tags::valueType).toString(), "null");
        EXPECT_EQ (ctl.getProperty (Tags::type).toString(), "nil");
        EXPECT_EQ ((int) ctl.getProperty (Tags::val1), -1);
        EXPECT_EQ ((int) ctl.getProperty (Tags::val2), -1);
        EXPECT_EQ ((int) ctl.getProperty (Tags::chan), 0);
        EXPECT_EQ ((int) ctl.getProperty (Tags::key2), 30);
        EXPECT_EQ ((int) ctl.getProperty (Tags::lockBy), 121);
        EXPECT_EQ ((int) ctl.getProperty (Tags::diyNameQ), 1);
        EXPECT_EQ ((int) ctl.getProperty (Tags::id), 121);
    }
}

TEST (CtlStore, HandlesShareTheirTreeButNotAReplacedOne)
{
    auto tree = skeleton();
    CtlStore a (tree), b (tree);
    a.getControlOfSlot (3, 2).setProperty (Tags::name, "Shared", nullptr);
    EXPECT_EQ (b.getControlOfSlot (3, 2).getProperty (Tags::name).toString(), "Shared");
    EXPECT_EQ (b.getState(), tree);

    // Replacing the tree (as loading does) leaves older handles on the old data.
    auto owner = tree;
    owner = skeleton();
    CtlStore fresh (owner);
    EXPECT_EQ (fresh.getControlOfSlot (3, 2).getProperty (Tags::name).toString(), "");
    EXPECT_EQ (a.getControlOfSlot (3, 2).getProperty (Tags::name).toString(), "Shared");
}

TEST (CtlStore, NewStoreHasTheFullTree)
{
    CtlStore store;
    const auto tree = store.getState();
    EXPECT_EQ (tree.getType(), Tags::slots);
    ASSERT_EQ (tree.getNumChildren(), 3);
    EXPECT_EQ (tree.getChild (2).getChild (17).getNumChildren(), 226);
}
