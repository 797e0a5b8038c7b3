#include "model/CtlStore.h"
#include "model/DisplayTexts.h"
#include "model/FactoryTables.h"
#include "model/FuncNames.h"
#include "model/HostPlatform.h"
#include "model/ModelState.h"

#include <gtest/gtest.h>

#include <memory>

using namespace NsDorna;

namespace
{
FactoryRecord rec (std::initializer_list<int> bytes)
{
    FactoryRecord r {};
    size_t i = 0;
    for (auto b : bytes)
        r[i++] = (uint8_t) b;
    return r;
}

std::string hex (const FactoryRecord& r)
{
    return juce::String::toHexString (r.data(), (int) r.size()).toUpperCase().toStdString();
}

bool isUnassignedAid (int aid)
{
    return inRange() (aid, 80, 81) || inRange() (aid, 94, 105) || inRange() (aid, 144, 161);
}

// The sum of a text's character codes.
int codeSum (const juce::String& text)
{
    int sum = 0;
    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        sum += (int) *p;
    return sum;
}

int i (const juce::ValueTree& ctl, const juce::Identifier& id) { return ctl.getProperty (id); }
juce::String s (const juce::ValueTree& ctl, const juce::Identifier& id) { return ctl.getProperty (id).toString(); }

// Factory stores for a Mac and a Linux host, built once for the whole suite.
class Factory : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        {
            const ScopedHostPlatform host (HostPlatform::macOS);
            macStore = std::make_unique<CtlStore>();
        }
        const ScopedHostPlatform host (HostPlatform::linuxOS);
        linuxStore = std::make_unique<CtlStore>();
    }
    static void TearDownTestSuite()
    {
        macStore.reset();
        linuxStore.reset();
    }
    void TearDown() override { resetModelState(); }

    static juce::ValueTree ctl (const CtlStore& store, int slot, int mode, int cid)
    {
        return store.getState().getChild (slot).getChild (mode - 1).getChild (cid - 1);
    }

    static inline std::unique_ptr<CtlStore> macStore, linuxStore;
};
} // namespace

TEST (FactoryTables, EveryModeHasATableOf226RecordsAndNothingOnTheUnusedAids)
{
    for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
    {
        const auto& table = factoryTableForMode (mode);
        ASSERT_EQ (&table, daws0()[(size_t) (mode - 1)]);
        ASSERT_EQ (table.size(), 226u);
        for (int aid = 0; aid < 226; ++aid)
        {
            // every other record decodes to something non-zero, so a zero one means a bad row
            const bool zero = table[(size_t) aid] == FactoryRecord {};
            EXPECT_EQ (zero, isUnassignedAid (aid)) << "mode " << mode << " aid " << aid;
        }
    }
    EXPECT_EQ (daws0()[13], daws0()[1]); // nuendo uses cubase's table
    EXPECT_EQ (factoryTableForMode (0), FactoryTable {});
    EXPECT_EQ (factoryTableForMode (19), FactoryTable {});
}

TEST (FactoryTables, Tokens)
{
    const std::pair<const char*, FactoryRecord> cases[] = {
        { "40", rec ({ 0x09, 0x90, 0x28, 0x7F, 0, 0, 0 }) },
        { "0", rec ({ 0x09, 0x90, 0x00, 0x7F, 0, 0, 0 }) },
        { "-", rec ({ 0x30, 0, 0, 0, 0, 0, 0 }) },
        { "k30", rec ({ 0x40, 0x1E, 0, 0, 0, 0, 0 }) },
        { "kcs10", rec ({ 0x43, 0x0A, 0, 0, 0, 0, 0 }) },
        { "kma46", rec ({ 0x4C, 0x2E, 0, 0, 0, 0, 0 }) },
        { "kcsa22", rec ({ 0x47, 0x16, 0, 0, 0, 0, 0 }) },
        { "kms17", rec ({ 0x4A, 0x11, 0, 0, 0, 0, 0 }) },
        { "11.66", rec ({ 0x2B, 0xB0, 0x0F, 0x0B, 0x2F, 0x42, 0 }) },
        { "0.70", rec ({ 0x2B, 0xB0, 0x0F, 0x00, 0x2F, 0x46, 0 }) },
        { "z", rec ({ 0x20, 0, 0, 0, 0, 0, 0 }) },
    };
    for (const auto& [token, record] : cases)
    {
        const auto decoded = decodeFactoryToken (token);
        ASSERT_TRUE (decoded.has_value()) << token;
        EXPECT_EQ (hex (*decoded), hex (record)) << token;
    }

    for (auto bad : { "", "x", "128", "-1", "k", "kx5", "kcc5", "k0", "k128", "1.", ".5", "1.2.3", "40a", "zz", "K30" })
        EXPECT_FALSE (decodeFactoryToken (bad).has_value()) << bad;
}

TEST (FactoryTables, RecordsOfEachKind)
{
    struct Case
    {
        int mode, cid;
        FactoryRecord record;
    };
    const Case cases[] = {
        { 1, 101, rec ({ 0x09, 0x90, 40, 0x7F }) },           // note
        { 1, 141, rec ({ 0x30 }) },                           // nothing assigned
        { 1, 149, rec ({ 0x40, 30 }) },                       // key code 30
        { 1, 154, rec ({ 0x41, 21 }) },                       // ctrl + R, as stored
        { 4, 149, rec ({ 0x4A, 17 }) },                       // cmd + shift + N
        { 1, 212, rec ({ 0x30 }) },
        { 15, 211, rec ({ 0x09, 0x90, 57, 0x7F }) },
        { 3, 101, rec ({ 0x2B, 0xB0, 0x0F, 11, 0x2F, 66 }) }, // zone 11, port value 66
        { 3, 111, rec ({ 0x20 }) },                           // the fixed "Insert*" button
        { 3, 212, rec ({ 0x2B, 0xB0, 0x0F, 24, 0x2F, 67 }) },
        { 3, 148, rec ({ 0x30 }) },
        // the records every Mackie mode shares
        { 1, 1, rec ({ 0x0B, 0xB0, 16, 0x40 }) },             // knob: CC 16, relative
        { 7, 92, rec ({ 0x0B, 0xB0, 23, 0x40 }) },            // last knob of layer 5
        { 1, 9, rec ({ 0x0B, 0xB0, 60, 0x40 }) },             // jog wheel
        { 1, 10, rec ({ 0x09, 0x90, 32, 0x7F }) },            // MON 1
        { 2, 100, rec ({ 0x09, 0x90, 39, 0x7F }) },           // MON 8 of layer 5
        { 1, 18, rec ({ 0x09, 0x90, 101, 0x7F }) },
        { 1, 19, rec ({ 0x0E, 0xE0, 0, 0x7F }) },             // fader 1: pitch bend, channel 1
        { 18, 27, rec ({ 0x0E, 0xE8, 0, 0x7F }) },            // master fader: channel 9
        { 1, 36, rec ({ 0x09, 0x90, 112, 0x7F }) },           // its touch button
        { 1, 191, rec ({ 0x09, 0x90, 86, 0x7F }) },           // Loop
        { 10, 191, rec ({ 0x09, 0x90, 85, 0x7F }) },          // cakewalk's Loop
        { 1, 194, rec ({ 0x09, 0x90, 95, 0x7F }) },
        { 1, 214, rec ({ 0x09, 0x90, 103, 0x7F }) },          // pedal B
        // the HUI table outside the LCD buttons
        { 3, 1, rec ({ 0x2B, 0xB0, 0x40, 0x40 }) },
        { 3, 92, rec ({ 0x2B, 0xB0, 0x47, 0x40 }) },
        { 3, 9, rec ({ 0x2B, 0xB0, 0x0F, 0x0D, 0x2F, 0x40 }) },
        { 3, 100, rec ({ 0x2B, 0xB0, 0x0F, 0x07, 0x2F, 0x44 }) },
        { 3, 18, rec ({ 0x2B, 0xB0, 0x0F, 0x0D, 0x2F, 0x45 }) },
        { 3, 27, rec ({ 0x2B, 0xB0, 0x08, 0x00, 0x28 }) },
        { 3, 35, rec ({ 0x2B, 0xB0, 0x0F, 0x07, 0x2F, 0x40 }) },
        { 3, 36, rec ({ 0x2B, 0xB0, 0x0F, 0x00, 0x2F, 0x00 }) },
        { 3, 191, rec ({ 0x2B, 0xB0, 0x0F, 0x0F, 0x2F, 0x43 }) },
        { 3, 213, rec ({ 0x29, 0x90, 0x66, 0x7F }) },
    };
    for (const auto& c : cases)
        EXPECT_EQ (hex (factoryTableForMode (c.mode)[(size_t) cid2aid (c.cid)]), hex (c.record))
            << "mode " << c.mode << " cid " << c.cid;
}

TEST (FactoryTables, MackieModesShareAllButTheirLcdAndSixButtonRecords)
{
    const auto& first = factoryTableForMode (1);
    for (int mode = 2; mode <= MyConf::numOfModes; ++mode)
    {
        if (mode == MyConf::huiModeValue)
            continue;
        for (int aid = 0; aid < 226; ++aid)
        {
            const bool ownRecord = aid < 80 || inRange() (aid, 82, 87) || (mode == 10 && aid == cid2aid (191));
            if (! ownRecord)
            {
                EXPECT_EQ (factoryTableForMode (mode)[(size_t) aid], first[(size_t) aid]) << mode << "/" << aid;
            }
        }
    }
}

TEST (FactoryTables, HuiFunctionPairs)
{
    const std::pair<int, HuiPair> cases[] = {
        { 0, { -1, -1 } }, { 1, { 14, 67 } }, { 7, { 8, 64 } }, { 46, { 0, 0x46 } }, { 71, { 0, 0 } },
        { 72, { 0, 64 } }, { 73, { 1, 64 } }, { 80, { 0, 0x41 } }, { 119, { 7, 68 } }, { 120, { -1, -1 } },
    };
    for (const auto& [fn, pair] : cases)
        EXPECT_EQ (PtBtnValuePair[(size_t) fn], pair) << fn;

    // only the two "no function" entries share a pair, so the search finds each function
    for (int a = 1; a < 120; ++a)
        for (int b = a + 1; b < 120; ++b)
            EXPECT_FALSE (PtBtnValuePair[(size_t) a] == PtBtnValuePair[(size_t) b]) << a << " " << b;

    EXPECT_EQ (ptBtnValuePairFor (120), &PtBtnValuePair[120]);
    EXPECT_EQ (ptBtnValuePairFor (121), nullptr);
    EXPECT_EQ (ptBtnValuePairFor (-1), nullptr);
}

TEST (FactoryTables, HuiFunctionOfAValuePair)
{
    const int cases[][3] = {
        { 0x00, 0x41, 80 }, // SEL 1
        { 0x00, 0x40, 72 }, // Touch 1
        { 0x0E, 0x43, 1 },
        { 0x1C, 0x48, -1 }, // no function has it
        { -1, -1, 0 },
        { 32, 5, 5 },       // fader pair: the function number itself
        { 64, 3, 3 },       // knob pair
    };
    for (const auto& c : cases)
        EXPECT_EQ (v1v2toFnIndex() (c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST (FactoryTables, CtrlBecomesCmdOnlyForMacHostsOutsideLogic)
{
    struct Case
    {
        int cid;
        bool ctrl, cmd, mac;
        int mode;
        bool turns;
    };
    const Case cases[] = {
        { 154, true, false, true, 1, true },  { 133, true, false, true, 3, true },  { 180, true, false, true, 18, true },
        { 154, true, false, false, 1, false }, { 154, true, false, true, 4, false }, { 132, true, false, true, 1, false },
        { 181, true, false, true, 1, false },  { 154, true, true, true, 1, false },  { 154, false, false, true, 1, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ (winCtrl2macCmdQ() (c.cid, c.ctrl, c.cmd, c.mac, c.mode), c.turns) << c.cid << " mode " << c.mode;
}

TEST (FactoryTables, DefaultHotkeyNames)
{
    const std::tuple<int, int, const char*> cases[] = {
        { 1, 149, "Pointer" }, { 1, 156, "Dupli- cate" }, { 1, 180, "Add Group" }, { 1, 148, "" },
        { 3, 172, "Score Editor" }, { 3, 173, "" }, { 6, 152, "Dupli -cate" }, { 8, 131, "" },
        { 8, 132, "Auto- mation" }, { 8, 180, "Auto Faders" }, { 9, 177, "Blend  RecNotes" },
        { 12, 149, "" }, { 14, 149, "Open" }, { 14, 180, "Unlock" }, { 17, 128, "" }, { 17, 129, "Erase" },
        { 17, 152, "" }, { 17, 153, "Save" }, { 17, 171, "16th tri Glid" }, { 17, 172, "" },
        { 0, 149, "" }, { 19, 149, "" }, { 1, 116, "" }, { 1, 181, "" },
    };
    for (const auto& [mode, cid, name] : cases)
        EXPECT_EQ (defaHotkeyNameOfMode (mode, cid), name) << mode << "/" << cid;
}

TEST_F (Factory, SendFlagsOfEachSlot)
{
    for (int slot = 0; slot < 3; ++slot)
    {
        const auto node = linuxStore->getState().getChild (slot);
        EXPECT_EQ (i (node, Tags::daw1), slot == 0 ? 1 : 0);
        EXPECT_EQ (i (node, Tags::daw2), slot == 1 ? 1 : 0);
        EXPECT_EQ (i (node, Tags::daw3), slot == 2 ? 1 : 0);
    }
}

TEST_F (Factory, MackieControls)
{
    for (int slot = 0; slot < 3; ++slot)
    {
        const auto knob = ctl (*linuxStore, slot, 1, 1);
        EXPECT_EQ (s (knob, Tags::valueType), "midi");
        EXPECT_EQ (s (knob, Tags::type), "cc");
        EXPECT_EQ (i (knob, Tags::chan), 1);
        EXPECT_EQ (i (knob, Tags::value), 16);
        EXPECT_EQ (i (knob, Tags::rotate), 1);

        const auto fader = ctl (*linuxStore, slot, 1, 19);
        EXPECT_EQ (s (fader, Tags::valueType), "midi");
        EXPECT_EQ (s (fader, Tags::type), "pitch");
        EXPECT_EQ (i (fader, Tags::chan), 1);
        EXPECT_EQ (i (fader, Tags::value), 0);

        const auto lcd = ctl (*linuxStore, slot, 1, 101);
        EXPECT_EQ (s (lcd, Tags::valueType), "func");
        EXPECT_EQ (i (lcd, Tags::value), 40);
        EXPECT_EQ (s (lcd, Tags::name), "Track");
        EXPECT_TRUE (lcd.hasProperty (Tags::lockBy));
        EXPECT_EQ (i (lcd, Tags::lockBy), 0);

        const auto hotkey = ctl (*linuxStore, slot, 1, 149);
        EXPECT_EQ (s (hotkey, Tags::valueType), "hotkey");
        EXPECT_EQ (i (hotkey, Tags::key), 30);
        EXPECT_EQ (s (hotkey, Tags::keyName), nameForUsbKeyCode (30));
        EXPECT_EQ (s (hotkey, Tags::name), "Pointer");
        for (auto id : { Tags::ctrl, Tags::shift, Tags::alt, Tags::cmd, Tags::key2, Tags::key3 })
            EXPECT_EQ (i (hotkey, id), 0);
        EXPECT_EQ (s (hotkey, Tags::keyName2), "");
    }

    const auto jog = ctl (*linuxStore, 0, 5, 9);
    EXPECT_EQ (s (jog, Tags::valueType), "midi");
    EXPECT_EQ (s (jog, Tags::type), "cc");
    EXPECT_EQ (i (jog, Tags::value), 60);
    EXPECT_EQ (i (jog, Tags::rotate), 0); // a button: no rotation

    const auto master = ctl (*linuxStore, 0, 2, 27);
    EXPECT_EQ (i (master, Tags::chan), 9);

    const auto scrub = ctl (*linuxStore, 2, 1, 18);
    EXPECT_EQ (s (scrub, Tags::valueType), "func");
    EXPECT_EQ (s (scrub, Tags::name), "Scrub");

    const auto loop = ctl (*linuxStore, 1, 10, 191);
    EXPECT_EQ (i (loop, Tags::value), 85);
    EXPECT_EQ (s (loop, Tags::name), "Loop");

    const auto unassigned = ctl (*linuxStore, 0, 1, 141);
    EXPECT_EQ (s (unassigned, Tags::valueType), "null");
    EXPECT_EQ (s (unassigned, Tags::name), "");
}

TEST_F (Factory, SampleOfDecodedLcdButtonsPerMode)
{
    struct Case
    {
        int mode, cid;
        const char* valueType;
        int value;
        const char* name;
    };
    const Case cases[] = {
        { 2, 101, "func", 42, "Pan" }, { 2, 149, "hotkey", 0, "Open" }, { 2, 144, "null", 0, "" },
        { 4, 109, "func", 87, "Drop" }, { 4, 180, "hotkey", 0, "Smart Control" },
        { 5, 116, "func", 79, "Redo" }, { 5, 145, "func", 72, "Ctrl" },
        { 6, 123, "func", 51, "Toggle VU" }, { 6, 169, "hotkey", 0, "ProjectSettings" },
        { 7, 141, "func", 76, "Undo" }, { 7, 210, "null", 0, "" },
        { 8, 106, "func", 53, "SMPTE/ Beats" }, { 8, 132, "hotkey", 0, "Auto- mation" }, { 8, 140, "hotkey", 0, "Listen Tool" },
        { 9, 109, "func", 74, "Browser" }, { 9, 173, "hotkey", 0, "Plugin Picker" },
        { 10, 116, "func", 87, "punch" }, { 10, 207, "func", 74, "Read / Off" },
        { 11, 133, "func", 81, "Audible Mode" }, { 11, 209, "func", 75, "Touch" },
        { 12, 133, "null", 0, "" }, { 12, 211, "func", 79, "Trim" }, { 12, 149, "hotkey", 0, "" },
        { 13, 132, "null", 0, "" }, { 13, 109, "func", 72, "Start Range" },
        { 14, 101, "func", 42, "Pan" }, { 14, 162, "hotkey", 0, "Split" },
        { 15, 211, "func", 57, "Trim" }, { 15, 101, "func", 42, "Pan/ Surround" },
        { 16, 207, "func", 44, "A Read" }, { 16, 108, "func", 70, "Cut" },
        { 17, 133, "func", 96, "Up" }, { 17, 129, "hotkey", 0, "Erase" }, { 17, 145, "hotkey", 0, "" },
        { 17, 149, "func", 81, "Undo" },
        { 18, 209, "func", 76, "Trim" }, { 18, 141, "func", 75, "write" },
    };
    for (const auto& c : cases)
    {
        const auto node = ctl (*linuxStore, 0, c.mode, c.cid);
        EXPECT_EQ (s (node, Tags::valueType), c.valueType) << c.mode << "/" << c.cid;
        EXPECT_EQ (i (node, Tags::value), c.value) << c.mode << "/" << c.cid;
        EXPECT_EQ (s (node, Tags::name), c.name) << c.mode << "/" << c.cid;
    }
}

// Per mode, over LCD buttons 101-180 and buttons 207-212: how many of each value type, and sums of
// what the rows say, so that a wrong or shifted token in any row shows.
TEST_F (Factory, TotalsOfTheLcdAndSixButtonRowsOfEveryMode)
{
    struct Totals
    {
        int mode, funcs, nulls, hotkeys;
        int noteSum, keySum, modifierSum, hotkeyNameCodes, huiPairSum;
    };
    const Totals expected[] = {
        { 1, 44, 10, 32, 2910, 843, 36, 19985, 0 },     { 2, 45, 9, 32, 2989, 752, 33, 21967, 0 },
        { 3, 53, 9, 24, 0, 946, 34, 15460, 111508 },    { 4, 45, 9, 32, 2989, 1148, 174, 26814, 0 },
        { 5, 45, 9, 32, 2989, 737, 46, 24570, 0 },      { 6, 44, 10, 32, 2910, 735, 48, 24761, 0 },
        { 7, 45, 9, 32, 2989, 1066, 28, 31704, 0 },     { 8, 35, 2, 49, 2294, 1628, 49, 40162, 0 },
        { 9, 44, 10, 32, 2902, 1509, 41, 30393, 0 },    { 10, 44, 10, 32, 2904, 908, 98, 29525, 0 },
        { 11, 45, 9, 32, 2891, 691, 41, 22738, 0 },     { 12, 37, 17, 32, 2431, 856, 47, 0, 0 },
        { 13, 43, 11, 32, 2813, 911, 47, 28403, 0 },    { 14, 45, 9, 32, 2989, 752, 33, 21967, 0 },
        { 15, 39, 15, 32, 2682, 856, 47, 0, 0 },      { 16, 42, 12, 32, 2736, 856, 47, 0, 0 },
        { 17, 49, 13, 24, 3379, 1408, 22, 16921, 0 },   { 18, 45, 9, 32, 2989, 752, 33, 0, 0 },
    };
    for (const auto& e : expected)
    {
        Totals t { e.mode, 0, 0, 0, 0, 0, 0, 0, 0 };
        for (int cid = 101; cid <= 212; ++cid)
        {
            if (inRange() (cid, 181, 206))
                continue;
            const auto node = ctl (*linuxStore, 1, e.mode, cid);
            const CtlValueType vt (s (node, Tags::valueType));
            if (vt == CtlValueType::func)
            {
                ++t.funcs;
                if (e.mode == MyConf::huiModeValue)
                    t.huiPairSum += i (node, Tags::val1) * 128 + i (node, Tags::val2);
                else
                    t.noteSum += i (node, Tags::value);
            }
            else if (vt == CtlValueType::null)
            {
                ++t.nulls;
            }
            else if (vt == CtlValueType::hotkey)
            {
                ++t.hotkeys;
                t.keySum += i (node, Tags::key);
                t.modifierSum += i (node, Tags::ctrl) + 2 * i (node, Tags::shift) + 4 * i (node, Tags::alt) + 8 * i (node, Tags::cmd);
                t.hotkeyNameCodes += codeSum (s (node, Tags::name));
            }
        }
        EXPECT_EQ (t.funcs, e.funcs) << "mode " << e.mode;
        EXPECT_EQ (t.nulls, e.nulls) << "mode " << e.mode;
        EXPECT_EQ (t.hotkeys, e.hotkeys) << "mode " << e.mode;
        EXPECT_EQ (t.noteSum, e.noteSum) << "mode " << e.mode;
        EXPECT_EQ (t.keySum, e.keySum) << "mode " << e.mode;
        EXPECT_EQ (t.modifierSum, e.modifierSum) << "mode " << e.mode;
        EXPECT_EQ (t.hotkeyNameCodes, e.hotkeyNameCodes) << "mode " << e.mode;
        EXPECT_EQ (t.huiPairSum, e.huiPairSum) << "mode " << e.mode;
    }
}

TEST_F (Factory, MackieFunctionsAreNamedByTheirModesTable)
{
    for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
    {
        if (mode == MyConf::huiModeValue)
            continue;
        for (int cid = 1; cid <= 226; ++cid)
        {
            const auto node = ctl (*linuxStore, 0, mode, cid);
            if (s (node, Tags::valueType) == "func")
            {
                EXPECT_EQ (s (node, Tags::name), (*DAWs()[(size_t) (mode - 1)])[(size_t) i (node, Tags::value)])
                    << mode << "/" << cid;
            }
        }
    }
}

TEST_F (Factory, HuiControls)
{
    struct Case
    {
        int cid;
        const char* valueType;
        int value;
        const char* name;
        int val1, val2;
    };
    const Case cases[] = {
        { 1, "func", 0, "Pan 1", 64, 0 },
        { 92, "func", 7, "Pan 8", 64, 7 },
        { 19, "func", 0, "Volume 1", 32, 0 },
        { 27, "func", 8, "VolumeM", 32, 8 },
        { 9, "func", 36, "Up", 13, 0x40 },
        { 10, "func", 112, "MON 1", 0, 0x44 },
        { 18, "func", 41, "Scrub", 13, 0x45 },
        { 28, "func", 72, "Touch 1", 0, 0x40 },
        { 36, "func", 71, "TouchM", 0, 0 },
        { 189, "func", 3, "Rewind", 14, 0x41 },
        { 191, "func", 6, "Loop", 15, 0x43 },
        { 101, "func", 28, "Pan", 11, 0x42 },
        { 102, "func", 31, "Plug-in*", 11, 0x48 },
        { 111, "func", 0, "Insert*", -1, -1 },
        { 112, "func", 46, "V-Select *", 0, 0x46 },
        { 114, "func", 68, "Plug-in Assign", 28, 0x41 },
        { 147, "func", 52, "Click", 21, 0x40 },
        { 207, "func", 57, "Read / Off", 24, 0x42 },
    };
    for (int slot = 0; slot < 3; ++slot)
    {
        for (const auto& c : cases)
        {
            const auto node = ctl (*linuxStore, slot, 3, c.cid);
            EXPECT_EQ (s (node, Tags::valueType), c.valueType) << c.cid;
            EXPECT_EQ (i (node, Tags::value), c.value) << c.cid;
            EXPECT_EQ (s (node, Tags::name), c.name) << c.cid;
            EXPECT_EQ (i (node, Tags::val1), c.val1) << c.cid;
            EXPECT_EQ (i (node, Tags::val2), c.val2) << c.cid;
            EXPECT_TRUE (node.hasProperty (Tags::diyNameQ)) << c.cid;
        }
    }

    const auto pedal = ctl (*linuxStore, 0, 3, 213);
    EXPECT_EQ (s (pedal, Tags::valueType), "midi");
    EXPECT_EQ (i (pedal, Tags::value), 102);
    EXPECT_EQ (i (pedal, Tags::chan), 1);
    EXPECT_EQ (s (pedal, Tags::name), "");

    const auto hotkey = ctl (*linuxStore, 0, 3, 149);
    EXPECT_EQ (s (hotkey, Tags::valueType), "hotkey");
    EXPECT_EQ (i (hotkey, Tags::key), 58);
    EXPECT_EQ (s (hotkey, Tags::keyName), "F1");
    EXPECT_EQ (s (hotkey, Tags::name), "Shuffle");

    const auto unassigned = ctl (*linuxStore, 0, 3, 173);
    EXPECT_EQ (s (unassigned, Tags::valueType), "null");
    EXPECT_EQ (i (unassigned, Tags::val1), -1);
}

TEST_F (Factory, EveryHuiButtonFunctionIsFoundByItsPair)
{
    for (int cid = 1; cid <= 214; ++cid)
    {
        const auto node = ctl (*linuxStore, 0, 3, cid);
        if (s (node, Tags::valueType) != "func" || ctlTypeForCid (cid) != CtlType::button)
            continue;
        const int fn = i (node, Tags::value);
        ASSERT_TRUE (inRange() (fn, 0, 119)) << cid;
        if (fn != 0)
        {
            const HuiPair pair { (int8_t) i (node, Tags::val1), (int8_t) i (node, Tags::val2) };
            EXPECT_EQ (PtBtnValuePair[(size_t) fn], pair) << cid;
        }
    }
}

TEST_F (Factory, ControlsWithoutARecordAreOnlyCleared)
{
    for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
    {
        for (int cid : { 181, 188, 195, 206, 215, 226 })
        {
            const auto node = ctl (*macStore, 2, mode, cid);
            EXPECT_EQ (s (node, Tags::valueType), "null");
            EXPECT_EQ (i (node, Tags::value), 0);
            EXPECT_EQ (s (node, Tags::name), "");
            EXPECT_EQ (s (node, Tags::type), "nil");
            EXPECT_EQ (i (node, Tags::val1), -1);
            EXPECT_FALSE (node.hasProperty (Tags::diyNameQ));
            EXPECT_FALSE (node.hasProperty (Tags::key2));
        }
    }
}

TEST_F (Factory, MacHostTurnsCtrlIntoCmdOnLcdButtons133To180OutsideLogic)
{
    EXPECT_EQ (i (ctl (*macStore, 0, 1, 154), Tags::cmd), 1);
    EXPECT_EQ (i (ctl (*macStore, 0, 1, 154), Tags::ctrl), 0);
    EXPECT_EQ (i (ctl (*linuxStore, 0, 1, 154), Tags::cmd), 0);
    EXPECT_EQ (i (ctl (*linuxStore, 0, 1, 154), Tags::ctrl), 1);

    // everything else is the same for both hosts
    int turned = 0;
    for (int slot = 0; slot < 3; ++slot)
    {
        for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
        {
            for (int cid = 1; cid <= 226; ++cid)
            {
                const auto l = ctl (*linuxStore, slot, mode, cid);
                auto m = ctl (*macStore, slot, mode, cid).createCopy();
                const bool turns = s (l, Tags::valueType) == "hotkey" && i (l, Tags::ctrl) == 1 && i (l, Tags::cmd) == 0
                                   && inRange() (cid, 133, 180) && mode != CtlMode::logic;
                if (turns)
                {
                    ++turned;
                    EXPECT_EQ (i (m, Tags::ctrl), 0) << mode << "/" << cid;
                    EXPECT_EQ (i (m, Tags::cmd), 1) << mode << "/" << cid;
                    m.setProperty (Tags::ctrl, 1, nullptr);
                    m.setProperty (Tags::cmd, 0, nullptr);
                }
                EXPECT_TRUE (m.isEquivalentTo (l)) << "slot " << slot << " mode " << mode << " cid " << cid;
            }
        }
    }
    EXPECT_GT (turned, 0);

    // a Windows host keeps Ctrl as Linux does
    const ScopedHostPlatform host (HostPlatform::windowsOS);
    EXPECT_TRUE (CtlStore().getState().isEquivalentTo (linuxStore->getState()));
}

TEST_F (Factory, LcdTextsOfTheFactoryMappingAreSixteenAllowedCharacters)
{
    for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
    {
        for (int cid = 101; cid <= 180; ++cid)
        {
            const auto text = Defa::getFormattedSendingText (ctl (*macStore, 0, mode, cid));
            EXPECT_EQ (text.length(), 16);
            EXPECT_TRUE (text.containsOnly (MyConf::StrRestrictions)) << mode << "/" << cid;
        }
    }
    EXPECT_EQ (Defa::getFormattedSendingText (ctl (*macStore, 0, 1, 149)), "Pointer         ");
    EXPECT_EQ (Defa::getFormattedSendingText (ctl (*macStore, 0, 12, 149)), " Cmd C          "); // unnamed: its keys
    EXPECT_EQ (Defa::getFormattedSendingText (ctl (*linuxStore, 0, 12, 149)), " Ctrl C         ");
}

TEST_F (Factory, ResetOfTheCurrentSlotsMode)
{
    juce::ValueTree tree = linuxStore->getState().createCopy();
    CtlStore store (tree);
    tree.setProperty (Tags::current, 1, nullptr);
    auto slot1 = tree.getChild (1);
    slot1.setProperty (Tags::current, 5, nullptr);
    slot1.setProperty (Tags::daw1, 1, nullptr);
    slot1.setProperty (Tags::daw2, 0, nullptr);

    auto edited = [&tree] (int slot, int mode) {
        auto node = tree.getChild (slot).getChild (mode - 1).getChild (100);
        node.setProperty (Tags::name, "Mine", nullptr);
        node.setProperty (Tags::valueType, "midi", nullptr);
        return node;
    };
    const auto current = edited (1, 5);
    const auto otherMode = edited (1, 6);
    const auto otherSlot = edited (0, 5);

    ScopedHostPlatform host (HostPlatform::linuxOS);
    store.reset();
    EXPECT_TRUE (current.isEquivalentTo (ctl (*linuxStore, 1, 5, 101)));
    EXPECT_EQ (s (otherMode, Tags::name), "Mine");
    EXPECT_EQ (s (otherSlot, Tags::name), "Mine");
    EXPECT_EQ (i (slot1, Tags::daw1), 0);
    EXPECT_EQ (i (slot1, Tags::daw2), 1);
    EXPECT_EQ ((int) slot1.getProperty (Tags::current), 5);

    // no mode chosen yet: only the send flags come back
    slot1.setProperty (Tags::current, 0, nullptr);
    slot1.setProperty (Tags::daw3, 1, nullptr);
    const auto mode1 = edited (1, 1);
    store.setDefaValue();
    EXPECT_EQ (i (slot1, Tags::daw3), 0);
    EXPECT_EQ (s (mode1, Tags::name), "Mine");
}

TEST_F (Factory, InvalidSlotOrModeChangesNothing)
{
    juce::ValueTree tree = linuxStore->getState().createCopy();
    tree.getChild (0).getChild (0).getChild (0).setProperty (Tags::name, "Mine", nullptr);
    const auto before = tree.createCopy();
    CtlStore store (tree);
    const std::pair<int, int> invalid[] = { { -1, 1 }, { 3, 1 }, { 0, 0 }, { 0, 19 } };
    for (auto [slot, mode] : invalid)
        store.setDefaValueForModeOfSlot (slot, mode);
    tree.setProperty (Tags::current, 7, nullptr);
    store.setDefaValue();
    tree.setProperty (Tags::current, 0, nullptr);
    EXPECT_TRUE (tree.isEquivalentTo (before));
}

TEST (HostPlatform, DefaultsToTheRunningPlatformAndCanBeChosen)
{
    resetModelState();
#if JUCE_MAC
    EXPECT_EQ (runningPlatform(), HostPlatform::macOS);
#elif JUCE_WINDOWS
    EXPECT_EQ (runningPlatform(), HostPlatform::windowsOS);
#else
    EXPECT_EQ (runningPlatform(), HostPlatform::linuxOS);
#endif
    EXPECT_EQ (hostPlatform(), runningPlatform());

    {
        const ScopedHostPlatform mac (HostPlatform::macOS);
        EXPECT_TRUE (hostIsMac());
        {
            const ScopedHostPlatform windows (HostPlatform::windowsOS);
            EXPECT_FALSE (hostIsMac());
        }
        EXPECT_TRUE (hostIsMac());
    }
    EXPECT_EQ (hostPlatform(), runningPlatform());

    setHostPlatform (runningPlatform() == HostPlatform::macOS ? HostPlatform::linuxOS : HostPlatform::macOS);
    resetModelState();
    EXPECT_EQ (hostPlatform(), runningPlatform());

    for (auto p : { HostPlatform::macOS, HostPlatform::linuxOS, HostPlatform::windowsOS })
        EXPECT_EQ (hostPlatformFromSlug (hostPlatformSlug (p)), p);
    EXPECT_EQ (hostPlatformSlug (HostPlatform::macOS), "mac");
    EXPECT_FALSE (hostPlatformFromSlug ("Mac").has_value());
    EXPECT_FALSE (hostPlatformFromSlug ("").has_value());
}
