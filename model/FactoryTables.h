#pragma once

#include "MyConf.h"

#include <juce_core/juce_core.h>

#include <array>
#include <cstdint>
#include <optional>

// The factory mapping of every mode, kept in the device's own record form: 226 records of 7 bytes
// per mode, indexed by the control's device record index (aid).
namespace NsDorna
{
using FactoryRecord = std::array<uint8_t, 7>;
using FactoryTable = std::array<FactoryRecord, MyConf::numOfRecords>;

// The factory table of each mode, indexed by mode - 1 (mode 14 shares mode 2's table).
const std::array<const FactoryTable*, MyConf::numOfModes>& daws0();

// The factory table of mode 1-18; an all-zero table for any other value.
const FactoryTable& factoryTableForMode (int mode);

// One token of a factory row as its record (the group nibble of MIDI-type records is 0):
//   "40"     Mackie note 40             09 90 28 7F 00 00 00
//   "-"      nothing assigned           30 00 00 00 00 00 00
//   "kcs10"  ctrl + shift + key code 10 43 0A 00 00 00 00 00  (m cmd, c ctrl, s shift, a alt)
//   "11.66"  HUI zone 11, port value 66 2B B0 0F 0B 2F 42 00
//   "z"      HUI nothing                20 00 00 00 00 00 00
// nullopt for anything else.
std::optional<FactoryRecord> decodeFactoryToken (const juce::String& token);

// Factory send flags daw1..daw3 of slots 0-2: each slot flags only itself.
inline constexpr int g_slotSendSettings0[3][3] = { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } };

// Factory name of LCD button cid 117-180 in `mode` when its factory mapping is a hotkey; empty
// where there is none and for any other mode or cid.
juce::String defaHotkeyNameOfMode (int mode, int cid);

// HUI zone and port value (0x40 + port) of a HUI button function; -1, -1 for none.
struct HuiPair
{
    int8_t zone;
    int8_t port;
    bool operator== (const HuiPair& other) const noexcept { return zone == other.zone && port == other.port; }
};

// The pair of each HUI button function 0-120, indexed like PtBtnFunc.
extern const std::array<HuiPair, MyConf::numOfPtFuncItems> PtBtnValuePair;

// The pair of function `fn`, or nullptr outside 0-120.
const HuiPair* ptBtnValuePairFor (int fn);

// The HUI function index of a value pair: for faders and knobs (first >= 32) the second value;
// for buttons the first function with that pair, -1 when none has it.
struct v1v2toFnIndex
{
    int operator() (int first, int second) const;
};

// Whether a factory Ctrl shortcut of LCD buttons 133-180 becomes a Cmd shortcut: only for a Mac
// host, only ctrl without cmd, never in mode 4.
struct winCtrl2macCmdQ
{
    bool operator() (int cid, bool ctrl, bool cmd, bool isMac, int mode) const;
};
} // namespace NsDorna
