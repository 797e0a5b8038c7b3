#include "model/ControlIds.h"
#include "model/CtlEnums.h"
#include "model/FuncNames.h"

#include <gtest/gtest.h>

using namespace NsDorna;

namespace
{
struct NameCase
{
    int mode, kind, value;
    const char* name;
};

const FuncNameTable& tableOfMode (int mode) { return *DAWs()[(size_t) (mode - 1)]; }
} // namespace

TEST (FuncNames, LookupCases)
{
    const NameCase cases[] = {
        { 1, 9, 40, "Track" },
        { 2, 9, 40, "Page Up" },
        { 14, 9, 40, "Page Up" },
        { 10, 9, 54, "F1 / Cut" },
        { 1, 9, 79, "" },
        { 1, 9, 120, "" },
        { 1, 11, 40, "" }, // a CC mapping has no function name
        { 0, 9, 40, "" },
        { 19, 9, 40, "" },
        { 1, 9, 128, "" },
        { 1, 9, -1, "" },
        { 3, 4, 0, "" }, // never "(blank)"
        { 3, 4, 1, "Stop" },
        { 3, 4, 120, "(user define)" },
        { 3, 4, 121, "" },
        { 3, 3, 8, "VolumeM" },
        { 3, 3, 9, "" }, // beyond the fader table
        { 3, 3, 127, "" },
        { 3, 2, 0, "Pan 1" },
        { 3, 2, 7, "Pan 8" },
        { 3, 2, 8, "" }, // beyond the knob table
        { 3, 5, 91, "Rewind" },
        { 3, 5, 40, "Page Up" }, // pedals name by the mode-2 table
        { 3, 6, 5, "" },
        { 3, 9, 5, "" },
        { 3, 0, 5, "" },
        { 3, -1, 5, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (Defa::getNamedFuncForMidi (c.mode, c.kind, c.value, 0), c.name)
            << "mode " << c.mode << " kind " << c.kind << " value " << c.value;
}

TEST (FuncNames, NumberOfFunctions)
{
    const int cases[][3] = {
        { 1, 3, 1 }, { 1, 4, 1 }, { 18, 2, 1 }, { 0, 4, 1 }, { 19, 4, 1 },
        { 3, 2, 8 }, { 3, 3, 9 }, { 3, 4, 121 }, { 3, 5, 1 }, { 3, 0, 1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ (Defa::getNumOfFuncs (c[0], c[1]), c[2]) << c[0] << " " << c[1];

    EXPECT_EQ (numOfPtKnoFuncs, (int) PtKnoFunc().size());
    EXPECT_EQ (numOfPtFadFuncs, (int) PtFadFunc().size());
    EXPECT_EQ (PtBtnFunc()[(size_t) ptUserDefinedFunc], "(user define)");
}

TEST (FuncNames, UserDefinedHuiName)
{
    EXPECT_EQ (v1v2toPtDiyFnName() (0x1C, 0x48), "#1C48");
    EXPECT_EQ (v1v2toPtDiyFnName() (0, 0x4A), "#004A");
    EXPECT_EQ (v1v2toPtDiyFnName() (-1, 0xFF), "#FFFF"); // bytes, never longer
}

TEST (FuncNames, EveryNameFitsItsCellAndHasNoOuterBlank)
{
    for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
    {
        const auto& table = tableOfMode (mode);
        for (int note = 0; note < numOfFuncNames; ++note)
        {
            const auto& name = table[(size_t) note];
            EXPECT_LE (name.length(), maxFuncNameLength) << mode << "/" << note;
            EXPECT_EQ (name, name.trim()) << mode << "/" << note;
        }
    }
}

TEST (FuncNames, ModeTables)
{
    EXPECT_EQ (DAWs()[1], DAWs()[13]); // nuendo shares cubase's table
    EXPECT_EQ (DAWs()[2], &PtBtnFunc());
    for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
        EXPECT_NE (DAWs()[(size_t) (mode - 1)], nullptr);
}

TEST (FuncNames, BitwigRows)
{
    const std::pair<int, const char*> rows[] = {
        { 0, "REC 1" }, { 7, "REC 8" }, { 8, "SOLO1" }, { 16, "MUTE1" }, { 23, "MUTE8" }, { 24, "SEL 1" },
        { 32, "MON 1" }, { 39, "MON 8" }, { 43, "Plug-in" }, { 46, "<<8" }, { 47, "8>>" }, { 48, "|<" },
        { 49, ">|" }, { 52, "Name/ Value" }, { 53, "SMPTE/ Beats" }, { 61, "Toggle Device" },
        { 74, "Read / Off" }, { 79, "" }, { 85, "Tap Tempo" }, { 87, "Dupli- cate" }, { 92, "Fast Forward" },
        { 101, "Scrub" }, { 102, "User A" }, { 103, "User B" }, { 104, "Touch 1" }, { 111, "Touch 8" },
        { 112, "TouchM" }, { 113, "" }, { 127, "" },
    };
    for (const auto& [note, name] : rows)
        EXPECT_EQ (bitwigNotes()[(size_t) note], name) << note;
}

TEST (FuncNames, MackieTablesDifferFromBitwigOnlyWhereListed)
{
    // rows every Mackie table shares with the first one
    auto shared = [] (int note) {
        return note <= 39 || note == 46 || note == 47 || note == 50 || inRange() (note, 91, 100)
               || inRange() (note, 104, 112) || note >= 117;
    };
    // how many rows of each table differ from the first one
    const std::pair<int, int> differing[] = {
        { 2, 37 }, { 4, 26 }, { 5, 35 }, { 6, 10 }, { 7, 39 }, { 8, 36 }, { 9, 45 }, { 10, 44 },
        { 11, 41 }, { 12, 43 }, { 13, 34 }, { 14, 37 }, { 15, 47 }, { 16, 46 }, { 17, 46 }, { 18, 42 },
    };
    for (const auto& [mode, count] : differing)
    {
        const auto& table = tableOfMode (mode);
        int n = 0;
        for (int note = 0; note < numOfFuncNames; ++note)
        {
            const bool same = table[(size_t) note] == bitwigNotes()[(size_t) note];
            if (shared (note))
            {
                EXPECT_TRUE (same) << "mode " << mode << " note " << note;
            }
            n += same ? 0 : 1;
        }
        EXPECT_EQ (n, count) << "mode " << mode;
    }
}

TEST (FuncNames, SampleOfEachMackieTable)
{
    const NameCase cases[] = {
        { 2, 9, 45, "Dyn/ Fx/Aux" }, { 2, 9, 84, "Transprt Left" }, { 2, 9, 114, "Beats LED" }, { 2, 9, 86, "Loop" },
        { 4, 9, 42, "Pan/ Surround" }, { 4, 9, 116, "relay Clock" }, { 4, 9, 79, "Group" }, { 4, 9, 40, "Track" },
        { 5, 9, 40, "I/O" }, { 5, 9, 101, "Scene" }, { 5, 9, 84, "<Locator" }, { 5, 9, 75, "Track/ Clip" },
        { 6, 9, 44, "EQ / Action" }, { 6, 9, 48, "1<" }, { 6, 9, 79, "Latch Preview" }, { 6, 9, 80, "Save" },
        { 7, 9, 86, "" }, { 7, 9, 102, "User B" }, { 7, 9, 103, "User A" }, { 7, 9, 84, "To Left Locator" },
        { 8, 9, 45, "" }, { 8, 9, 58, "+Inst" }, { 8, 9, 89, "Metro- nome" }, { 8, 9, 101, "" },
        { 9, 9, 88, "3.2.1" }, { 9, 9, 62, "Pattern F9" }, { 9, 9, 87, "" }, { 9, 9, 90, "Pattern Song" },
        { 10, 9, 66, "OK / Enter" }, { 10, 9, 87, "punch" }, { 10, 9, 86, "" }, { 10, 9, 85, "Loop" },
        { 11, 9, 60, "NewTrack Group" }, { 11, 9, 61, "TrkGroup Suspend" }, { 11, 9, 44, "" }, { 11, 9, 85, "RTZ" },
        { 12, 9, 76, "Undo/ Redo" }, { 12, 9, 67, "Prev. Object" }, { 12, 9, 42, "" }, { 12, 9, 86, "Loop" },
        { 13, 9, 68, "Foldback Strips" }, { 13, 9, 79, "OFF" }, { 13, 9, 89, "" }, { 13, 9, 88, "Click On/OFF" },
        { 15, 9, 73, "Organi- zer" }, { 15, 9, 80, "SMTE S" }, { 15, 9, 40, "" }, { 15, 9, 90, "Disable" },
        { 16, 9, 44, "A Read" }, { 16, 9, 69, "A16" }, { 16, 9, 77, "" }, { 16, 9, 81, "CL Peaks" },
        { 17, 9, 51, "Inspect-or" }, { 17, 9, 75, "AM Wrire" }, { 17, 9, 86, "" }, { 17, 9, 81, "Undo" },
        { 18, 9, 53, "Min:Sec/Bar/Beat" }, { 18, 9, 54, "Timeline /Mixer" }, { 18, 9, 90, "CLR Solo" }, { 18, 9, 83, "Enter" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (Defa::getNamedFuncForMidi (c.mode, c.kind, c.value, 0), c.name) << c.mode << "/" << c.value;
}

TEST (FuncNames, HuiTables)
{
    const std::pair<int, const char*> buttons[] = {
        { 0, "(blank)" }, { 1, "Stop" }, { 8, "Shift/ Add" }, { 17, "Memory Location" }, { 31, "Plug-in*" },
        { 46, "V-Select *" }, { 57, "Read / Off" }, { 67, "Esc/ Cancel" }, { 71, "TouchM" }, { 72, "Touch 1" },
        { 80, "SEL 1" }, { 88, "MUTE 1" }, { 96, "SOLO 1" }, { 104, "REC 1" }, { 112, "MON 1" }, { 119, "MON 8" },
        { 120, "(user define)" }, { 121, "" }, { 127, "" },
    };
    for (const auto& [index, name] : buttons)
        EXPECT_EQ (PtBtnFunc()[(size_t) index], name) << index;

    EXPECT_EQ (PtFadFunc()[0], "Volume 1");
    EXPECT_EQ (PtFadFunc()[8], "VolumeM");
    EXPECT_EQ (PtKnoFunc()[7], "Pan 8");
    const std::array<uint8_t, 10> v2 { 0x00, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48 };
    EXPECT_EQ (PtBtnV2, v2);
}

// A checksum of every row of every table (each name's character codes, weighted by its row + 1),
// so that a changed letter anywhere shows.
TEST (FuncNames, ChecksumsOfAllTables)
{
    auto checksum = [] (const FuncNameTable& table) {
        int64_t sum = 0;
        for (size_t row = 0; row < table.size(); ++row)
            for (auto p = table[row].getCharPointer(); ! p.isEmpty(); ++p)
                sum += (int64_t) (row + 1) * (int64_t) *p;
        return sum;
    };
    const std::pair<int, int64_t> expected[] = {
        { 1, 3257910 }, { 2, 3672393 }, { 3, 3350436 }, { 4, 3594919 }, { 5, 3346136 }, { 6, 3324898 },
        { 7, 3168068 }, { 8, 3100616 }, { 9, 3193340 }, { 10, 3325508 }, { 11, 3147099 }, { 12, 2938344 },
        { 13, 3451898 }, { 14, 3672393 }, { 15, 3282763 }, { 16, 2686630 }, { 17, 3698773 }, { 18, 3487613 },
    };
    for (const auto& [mode, sum] : expected)
        EXPECT_EQ (checksum (tableOfMode (mode)), sum) << "mode " << mode;
}
