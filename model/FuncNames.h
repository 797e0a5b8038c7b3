#pragma once

#include "MyConf.h"

#include <juce_core/juce_core.h>

#include <array>
#include <cstdint>

// Names of the DAW functions: one table of 128 names per mode (indexed by Mackie note number),
// and the HUI function tables of the HUI mode.
namespace NsDorna
{
constexpr int numOfFuncNames = 128;   // cells of a name table: Mackie notes 0-127
constexpr int maxFuncNameLength = 39; // a name fits a 40-byte cell with its terminating zero

// Sizes of the HUI function tables: what a control of each kind can choose from in the HUI mode.
constexpr int numOfPtBtnFuncs = MyConf::numOfPtFuncItems; // 121: 0 "(blank)" .. 120 "(user define)"
constexpr int numOfPtFadFuncs = 9;                        // "Volume 1" .. "Volume 8", "VolumeM"
constexpr int numOfPtKnoFuncs = 8;                        // "Pan 1" .. "Pan 8"
constexpr int ptUserDefinedFunc = numOfPtBtnFuncs - 1;    // 120: a value pair no function has

using FuncNameTable = std::array<juce::String, numOfFuncNames>;

// The Mackie name tables (built once, on first use).
const FuncNameTable& bitwigNotes();
const FuncNameTable& cbFuncs(); // modes 2 and 14
const FuncNameTable& logicNotes();
const FuncNameTable& abletonLiveNotes();
const FuncNameTable& reaperNotes();
const FuncNameTable& reasonNotes();
const FuncNameTable& studioOneNotes();
const FuncNameTable& flFuncs();
const FuncNameTable& sonarNotes();
const FuncNameTable& dpFuncs();
const FuncNameTable& samplitudeNotes();
const FuncNameTable& hrFuncs();
const FuncNameTable& auditionNotes();
const FuncNameTable& tkFuncs();
const FuncNameTable& abFuncs();
const FuncNameTable& lnFuncs();

// HUI button functions 0-120 (cells 121-127 empty), fader and knob functions.
const FuncNameTable& PtBtnFunc();
const std::array<juce::String, numOfPtFadFuncs>& PtFadFunc();
const std::array<juce::String, numOfPtKnoFuncs>& PtKnoFunc();

// The name table of each mode, indexed by mode - 1; mode 3's is PtBtnFunc.
const std::array<const FuncNameTable*, MyConf::numOfModes>& DAWs();

// The second values the MIDI page offers for a HUI button.
inline constexpr std::array<uint8_t, 10> PtBtnV2 { 0x00, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48 };

// Name of a user-defined HUI function: "#" and both values as two hex digits ("#1C48").
struct v1v2toPtDiyFnName
{
    juce::String operator() (int first, int second) const;
};

namespace Defa
{
// The name of function `value` in `mode`. Mackie modes: `kind` is the MIDI status nibble (only 9,
// a note, has names). HUI mode: `kind` is a CtlType value. `extra` is not read.
// Empty for an invalid mode, a value outside 0-127 or beyond its table.
juce::String getNamedFuncForMidi (int mode, int kind, int value, int extra);

// How many functions a control of kind `kind` chooses from: 1 in every Mackie mode; in the HUI
// mode 8 for knobs, 9 for faders, 121 for buttons, 1 otherwise.
int getNumOfFuncs (int mode, int kind);
} // namespace Defa
} // namespace NsDorna
