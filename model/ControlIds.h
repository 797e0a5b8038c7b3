#pragma once

#include "MyConf.h"

#include <array>

namespace NsDorna
{
// Small stateless helpers the model is written in.
struct inRange
{
    bool operator() (int v, int lo, int hi) const noexcept { return lo <= v && v <= hi; }
};
struct checkCid
{
    bool operator() (int c) const noexcept { return inRange() (c, 1, MyConf::maxEditableCid); }
};
struct checkModeIndex
{
    bool operator() (int m) const noexcept { return inRange() (m, 1, MyConf::numOfModes); }
};
struct checkSlotIndex
{
    bool operator() (int s) const noexcept { return inRange() (s, MyConf::baseSlotID, MyConf::maxSlotID); }
};
struct base0
{
    int operator() (int n) const noexcept { return n - 1; }
};
struct base1
{
    int operator() (int n) const noexcept { return n + 1; }
};
struct baseIgn
{
    int operator() (int s) const noexcept { return s; }
};
struct mod2ptcl
{
    bool operator() (int mode) const noexcept;
};
// MIDI status nibble to MsgType value: 9 → 0, 11 → 1, 12 → 2, 14 → 3, 0 → 4, else −1.
struct tyva2index
{
    int operator() (int statusNibble) const noexcept;
};
struct getIndexFor
{
    template <typename Array, typename Value>
    int operator() (const Value& value, const Array& array) const
    {
        int i = 0;
        for (const auto& item : array)
        {
            if (item == value)
                return i;
            ++i;
        }
        return -1;
    }
};

// First knob and first MON button of each of the five knob layers.
inline constexpr std::array<int, 5> knob1Cids { 1, 37, 53, 69, 85 };
inline constexpr std::array<int, 5> mon1Cids { 10, 45, 61, 77, 93 };

// LCD buttons whose function is fixed in the HUI mode, and their fixed names.
inline constexpr std::array<int, 3> cidOfLcdBtnsWhichCantChg { 102, 111, 112 };
inline constexpr std::array<const char*, 3> initConstHuiName { "", "Insert*", "" };

constexpr int firstLcdCid = 101;
constexpr int lastLcdCid = 180;
constexpr int lcdColumns = 16;

int cid2aid (int cid);
int ctlTypeForCid (int cid);

bool controlIsKnob (int cid);
bool controlIsFader (int cid);
bool controlIsButton (int cid);
bool controlIsLcdButton (int cid);
bool controlIsJogWhl (int cid);
bool controlIsPedal (int cid);
// True for the fixed HUI LCD buttons, and only while the current slot's mode is the HUI mode.
bool controlIsHuiFixedButton (int cid);
} // namespace NsDorna
