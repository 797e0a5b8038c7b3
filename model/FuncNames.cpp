#include "FuncNames.h"

#include "ControlIds.h"
#include "CtlEnums.h"

namespace NsDorna
{
namespace
{
// The size comes from the list, so a table with a missing or extra row does not compile.
template <size_t N>
std::array<juce::String, N> toStrings (const char* const (&texts)[N])
{
    std::array<juce::String, N> result;
    for (size_t i = 0; i < N; ++i)
        result[i] = texts[i];
    return result;
}
} // namespace

const FuncNameTable& bitwigNotes()
{
    // The base table of the Mackie modes, one row per note.
    static const FuncNameTable table = toStrings ({
        "REC 1", "REC 2", "REC 3", "REC 4", "REC 5", "REC 6", "REC 7", "REC 8",                            // 0
        "SOLO1", "SOLO2", "SOLO3", "SOLO4", "SOLO5", "SOLO6", "SOLO7", "SOLO8",                            // 8
        "MUTE1", "MUTE2", "MUTE3", "MUTE4", "MUTE5", "MUTE6", "MUTE7", "MUTE8",                            // 16
        "SEL 1", "SEL 2", "SEL 3", "SEL 4", "SEL 5", "SEL 6", "SEL 7", "SEL 8",                            // 24
        "MON 1", "MON 2", "MON 3", "MON 4", "MON 5", "MON 6", "MON 7", "MON 8",                            // 32
        "Track", "Send", "Pan", "Plug-in", "Page Up", "Page Down", "<<8", "8>>",                           // 40
        "|<", ">|", "Flip", "Toggle VU", "Name/ Value", "SMPTE/ Beats", "F1", "F2",                        // 48
        "F3", "F4", "F5", "Punch In", "Punch Out", "Toggle Device", "Notes", "Auto",                       // 56
        "Devices", "Mixer", "Arrange", "Mix", "Edit", "Browser", "Shift", "Option",                        // 64
        "Ctrl", "Alt", "Read / Off", "Write", "Clip", "Touch", "Latch", "",                                // 72
        "Save", "Undo", "Cancel", "Enter", "Marker", "Tap Tempo", "Loop", "Dupli- cate",                   // 80
        "Overdub", "Click", "Groove", "Rewind", "Fast Forward", "Stop", "Play", "Record",                   // 88
        "Up", "Down", "Left", "Right", "Zoom", "Scrub", "User A", "User B",                                // 96
        "Touch 1", "Touch 2", "Touch 3", "Touch 4", "Touch 5", "Touch 6", "Touch 7", "Touch 8",            // 104
        "TouchM", "", "", "", "", "", "", "",                                                              // 112
        "", "", "", "", "", "", "", "",                                                                    // 120
    });
    return table;
}

const FuncNameTable& PtBtnFunc()
{
    // HUI button functions by function index; 121-127 are unused cells.
    static const FuncNameTable table = toStrings ({
        "(blank)", "Stop", "Play", "Rewind", "Fast Forward", "Record", "Loop", "Ctrl",                     // 0
        "Shift/ Add", "Option/ Alt", "Undo", "Ctrl/ Clutch", "Alt/Fine", "Save", "Mixer", "Edit",          // 8
        "Transprt", "Memory Location", "Alt View", "1<", "<<8", ">1", "8>>", "Send A",                      // 16
        "Send B", "Send C", "Send D", "Send E", "Pan", "Input", "Output", "Plug-in*",                       // 24
        "Assign", "Default", "Suspend", "Flip", "Up", "Right", "Zoom", "Left",                             // 32
        "Down", "Scrub", "RTZ", "End", "Online", "Q Punch", "V-Select *", "Prev.",                         // 40
        "In", "Out", "Post", "Enter", "Click", "Count Off", "MIDI Merge", "Trim",                           // 48
        "Latch", "Read / Off", "Off", "Write", "Touch", "Auto", "Paste", "Cut",                            // 56
        "Clear", "Copy", "Separate", "Esc/ Cancel", "Plug-in Assign", "Bypass", "Compare", "TouchM",       // 64
        "Touch 1", "Touch 2", "Touch 3", "Touch 4", "Touch 5", "Touch 6", "Touch 7", "Touch 8",            // 72
        "SEL 1", "SEL 2", "SEL 3", "SEL 4", "SEL 5", "SEL 6", "SEL 7", "SEL 8",                            // 80
        "MUTE 1", "MUTE 2", "MUTE 3", "MUTE 4", "MUTE 5", "MUTE 6", "MUTE 7", "MUTE 8",                    // 88
        "SOLO 1", "SOLO 2", "SOLO 3", "SOLO 4", "SOLO 5", "SOLO 6", "SOLO 7", "SOLO 8",                    // 96
        "REC 1", "REC 2", "REC 3", "REC 4", "REC 5", "REC 6", "REC 7", "REC 8",                            // 104
        "MON 1", "MON 2", "MON 3", "MON 4", "MON 5", "MON 6", "MON 7", "MON 8",                            // 112
        "(user define)", "", "", "", "", "", "", "",                                                       // 120
    });
    return table;
}

const std::array<juce::String, numOfPtFadFuncs>& PtFadFunc()
{
    static const std::array<juce::String, numOfPtFadFuncs> table = toStrings ({
        "Volume 1", "Volume 2", "Volume 3", "Volume 4", "Volume 5", "Volume 6", "Volume 7", "Volume 8", "VolumeM",
    });
    return table;
}

const std::array<juce::String, numOfPtKnoFuncs>& PtKnoFunc()
{
    static const std::array<juce::String, numOfPtKnoFuncs> table = toStrings ({
        "Pan 1", "Pan 2", "Pan 3", "Pan 4", "Pan 5", "Pan 6", "Pan 7", "Pan 8",
    });
    return table;
}

const std::array<const FuncNameTable*, MyConf::numOfModes>& DAWs()
{
    static const std::array<const FuncNameTable*, MyConf::numOfModes> tables {
        &bitwigNotes(),      // 1 bitwig
        &cbFuncs(),          // 2 cubase
        &PtBtnFunc(),        // 3 pro-tools (HUI)
        &logicNotes(),       // 4 logic
        &abletonLiveNotes(), // 5 live
        &reaperNotes(),      // 6 reaper
        &reasonNotes(),      // 7 reason
        &studioOneNotes(),   // 8 studio-one
        &flFuncs(),          // 9 fl-studio
        &sonarNotes(),       // 10 cakewalk
        &dpFuncs(),          // 11 digital-performer
        &samplitudeNotes(),  // 12 samplitude
        &hrFuncs(),          // 13 harrison
        &cbFuncs(),          // 14 nuendo shares mode 2's table
        &auditionNotes(),    // 15 audition
        &tkFuncs(),          // 16 tracktion
        &abFuncs(),          // 17 ability
        &lnFuncs(),          // 18 luna
    };
    return tables;
}

juce::String v1v2toPtDiyFnName::operator() (int first, int second) const
{
    // Both are bytes of a HUI message; keep two digits each whatever an int holds.
    return "#" + juce::String::toHexString (first & 0xFF).paddedLeft ('0', 2).toUpperCase()
           + juce::String::toHexString (second & 0xFF).paddedLeft ('0', 2).toUpperCase();
}

namespace Defa
{
namespace
{
template <typename Table>
juce::String cellOrEmpty (const Table& table, int index)
{
    return inRange() (index, 0, (int) table.size() - 1) ? table[(size_t) index] : juce::String();
}
} // namespace

juce::String getNamedFuncForMidi (int mode, int kind, int value, int /*extra*/)
{
    if (! checkModeIndex() (mode) || ! inRange() (value, 0, numOfFuncNames - 1))
        return {};

    if (CtlMode (mode).isMack())
    {
        if (kind != MsgType (MsgType::note).getTypeValue())
            return {};
        return (*DAWs()[(size_t) (mode - 1)])[(size_t) value].trim();
    }

    switch (kind)
    {
        case CtlType::button: return value == 0 ? juce::String() : PtBtnFunc()[(size_t) value];
        case CtlType::fader: return cellOrEmpty (PtFadFunc(), value);
        case CtlType::knob: return cellOrEmpty (PtKnoFunc(), value);
        case CtlType::pedal: return cbFuncs()[(size_t) value];
        default: return {};
    }
}

int getNumOfFuncs (int mode, int kind)
{
    if (CtlMode (mode).isMack())
        return 1;
    switch (kind)
    {
        case CtlType::knob: return numOfPtKnoFuncs;
        case CtlType::fader: return numOfPtFadFuncs;
        case CtlType::button: return numOfPtBtnFuncs;
        default: return 1;
    }
}
} // namespace Defa
} // namespace NsDorna
