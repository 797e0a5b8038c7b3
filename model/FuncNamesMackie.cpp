#include "FuncNames.h"

#include <initializer_list>
#include <utility>

// Every Mackie table but the first is the first one with some rows changed: each table below lists
// only the rows where it differs ("" = that row is empty in this table).
namespace NsDorna
{
namespace
{
using Row = std::pair<int, const char*>;

FuncNameTable bitwigWith (std::initializer_list<Row> changedRows)
{
    auto table = bitwigNotes();
    for (const auto& [note, name] : changedRows)
        table[(size_t) note] = name;
    return table;
}
} // namespace

const FuncNameTable& cbFuncs()
{
    // mode 2 "cubase", and mode 14 "nuendo"
    static const auto table = bitwigWith ({
        { 40, "Page Up" }, { 41, "Page Down" }, { 44, "EQ" }, { 45, "Dyn/ Fx/Aux" }, { 51, "Edit" },
        { 59, "F6" }, { 60, "F7" }, { 61, "F8" }, { 62, "Fader Group 1" }, { 63, "Fader Group 2" },
        { 64, "Fader Group 3" }, { 65, "Fader Group 4" }, { 66, "Fader Group 5" }, { 67, "Fader Group 6" },
        { 68, "Fader Group 7" }, { 69, "Fader Group 8" }, { 70, "Undo" }, { 71, "Redo" }, { 72, "Save" },
        { 73, "Revert" }, { 74, "Read" }, { 76, "Sends" }, { 77, "Project" }, { 78, "Mixer" },
        { 79, "Motors" }, { 80, "Inst." }, { 81, "Master" }, { 82, "Solo Defeat" }, { 83, "Shift" },
        { 84, "Transprt Left" }, { 85, "Transprt Right" }, { 87, "Punch" }, { 88, "Prev." }, { 89, "Add" },
        { 90, "Next" }, { 113, "SMPTE LED" }, { 114, "Beats LED" }
    });
    return table;
}

const FuncNameTable& logicNotes()
{
    // mode 4 "logic"
    static const auto table = bitwigWith ({
        { 42, "Pan/ Surround" }, { 44, "EQ" }, { 45, "Inst." }, { 51, "Global View" }, { 59, "F6" },
        { 60, "F7" }, { 61, "F8" }, { 62, "MIDI Tracks" }, { 63, "Inputs" }, { 64, "Audio Tracks" },
        { 65, "Audio Inst." }, { 66, "Aux" }, { 67, "Busses" }, { 68, "Outputs" }, { 69, "User" },
        { 73, "CMD/Alt" }, { 76, "Trim" }, { 79, "Group" }, { 85, "Nudge" }, { 87, "Drop" },
        { 88, "Replace" }, { 90, "Solos" }, { 113, "SMPTE Led" }, { 114, "beats Led" },
        { 115, "solo Lamp" }, { 116, "relay Clock" }
    });
    return table;
}

const FuncNameTable& abletonLiveNotes()
{
    // mode 5 "live"
    static const auto table = bitwigWith ({
        { 40, "I/O" }, { 51, "Return Track" }, { 52, "Meter" }, { 59, "F6" }, { 60, "F7" }, { 61, "F8" },
        { 62, "F9" }, { 63, "F10" }, { 64, "F11" }, { 65, "F12" }, { 66, "F13" }, { 67, "F14" },
        { 68, "F15" }, { 69, "F16" }, { 74, "Sess/Arr" }, { 75, "Track/ Clip" }, { 76, "Undo" },
        { 77, "Browser" }, { 78, "Detail" }, { 79, "Redo" }, { 80, "BTA" }, { 81, "Draw Mode" },
        { 82, "Marker" }, { 83, "Follow" }, { 84, "<Locator" }, { 85, "Locator>" }, { 87, "Punch In" },
        { 88, "Punch Out" }, { 89, "Home" }, { 90, "End" }, { 101, "Scene" }, { 113, "SMPTE LED" },
        { 114, "Beats LED" }, { 115, "Solo Lamp" }, { 116, "Relay Clock" }
    });
    return table;
}

const FuncNameTable& reaperNotes()
{
    // mode 6 "reaper"
    static const auto table = bitwigWith ({
        { 43, "Plugins" }, { 44, "EQ / Action" }, { 45, "Inst." }, { 48, "1<" }, { 49, ">1" },
        { 52, "Name / Value" }, { 53, "SMPTE / Beats" }, { 74, "Read" }, { 76, "Trim" },
        { 79, "Latch Preview" }
    });
    return table;
}

const FuncNameTable& reasonNotes()
{
    // mode 7 "reason"
    static const auto table = bitwigWith ({
        { 40, "Send 1" }, { 41, "Send 2" }, { 43, "Plugins" }, { 44, "EQ" }, { 45, "DYN" }, { 48, "1<" },
        { 49, ">1" }, { 51, "Edit" }, { 59, "F6" }, { 60, "F7" }, { 61, "F8" }, { 62, "A" }, { 63, "B" },
        { 64, "C" }, { 65, "D" }, { 66, "Run" }, { 67, "F14" }, { 68, "Prev. Patch" },
        { 69, "Next Patch" }, { 70, "Control" }, { 72, "Snapshot" }, { 73, "Shift" }, { 76, "Undo" },
        { 77, "Save" }, { 78, "Touch" }, { 79, "Redo" }, { 80, "Fader Group" }, { 81, "Clear Solo" },
        { 82, "Marker" }, { 83, "Mixer" }, { 84, "To Left Locator" }, { 85, "To Right Locator" },
        { 86, "" }, { 87, "Left Pos" }, { 88, "Right Pos" }, { 89, "Loop" }, { 90, "Home" },
        { 102, "User B" }, { 103, "User A" }
    });
    return table;
}

const FuncNameTable& studioOneNotes()
{
    // mode 8 "studio-one"
    static const auto table = bitwigWith ({
        { 41, "Sends" }, { 43, "Plugins" }, { 44, "FX" }, { 45, "" }, { 48, "1<" }, { 49, ">1" },
        { 51, "Global View" }, { 52, "" }, { 54, "Input" }, { 55, "track" }, { 56, "Console" },
        { 57, "Open Ch." }, { 58, "+Inst" }, { 59, "+Send" }, { 60, "Ch. Editor" },
        { 61, "Toggle Window" }, { 62, "" }, { 63, "" }, { 64, "Audio Tracks" }, { 65, "Audio Inst." },
        { 66, "FX Track" }, { 67, "Buses" }, { 68, "Outputs" }, { 69, "Tracks" }, { 72, "" }, { 73, "" },
        { 74, "Read" }, { 76, "" }, { 82, "Esc" }, { 84, "Marker Mode" }, { 85, "" }, { 87, "Auto Punch" },
        { 88, "" }, { 89, "Metro- nome" }, { 90, "Solo Defeat" }, { 101, "" }
    });
    return table;
}

const FuncNameTable& flFuncs()
{
    // mode 9 "fl-studio"
    static const auto table = bitwigWith ({
        { 40, "Pan" }, { 41, "Stereo" }, { 42, "Sends" }, { 43, "Effects" }, { 44, "EQ" }, { 45, "Free" },
        { 48, "1<" }, { 49, ">1" }, { 51, "Smooth" }, { 52, "Mode" }, { 53, "Time Format" }, { 54, "Cut" },
        { 55, "Copy" }, { 56, "Paste" }, { 57, "Insert" }, { 58, "Delete" }, { 59, "Item Menu" },
        { 60, "Undo" }, { 61, "Redo" }, { 62, "Pattern F9" }, { 63, "Mixer F10" }, { 64, "Channel F11" },
        { 65, "Tempo F12" }, { 66, "Free1" }, { 67, "Free2" }, { 68, "Free3" }, { 69, "Free4" },
        { 70, "Move" }, { 71, "Link Channel" }, { 72, "Mark" }, { 73, "+Mark" }, { 74, "Browser" },
        { 75, "Main" }, { 76, "Window" }, { 77, "IN" }, { 78, "Out" }, { 79, "Select" }, { 81, "Menu" },
        { 82, "Escape" }, { 84, "Shift" }, { 85, "Edison" }, { 87, "" }, { 88, "3.2.1" }, { 89, "Mode" },
        { 90, "Pattern Song" }
    });
    return table;
}

const FuncNameTable& sonarNotes()
{
    // mode 10 "cakewalk"
    static const auto table = bitwigWith ({
        { 40, "Track / Bus" }, { 43, "Plugins" }, { 44, "EQ" }, { 45, "Comp" }, { 48, "1<" }, { 49, ">1" },
        { 51, "Edit" }, { 52, "Name / Value" }, { 53, "SMPTE / Beats" }, { 54, "F1 / Cut" },
        { 55, "F2 / Copy" }, { 56, "F3 / Paste" }, { 57, "F4 / Del" }, { 58, "F5 / Space" },
        { 59, "F6 / Alt" }, { 60, "F7 / Tab" }, { 61, "F8 / Back" }, { 62, "New Audio" },
        { 63, "New MIDI" }, { 64, "Fit Tracks" }, { 65, "Fit Project" }, { 66, "OK / Enter" },
        { 67, "Cancel" }, { 68, "Next Window" }, { 69, "Close Window" }, { 70, "M1" }, { 71, "M2" },
        { 72, "M3" }, { 73, "M4" }, { 75, "Snapshot" }, { 76, "Track" }, { 77, "Disarm" },
        { 78, "Offset" }, { 79, "Save" }, { 80, "AUX" }, { 81, "Main" }, { 82, "Undo" }, { 83, "Redo" },
        { 85, "Loop" }, { 86, "" }, { 87, "punch" }, { 88, "Jog Prog" }, { 89, "Loop On/Off" },
        { 90, "Home" }
    });
    return table;
}

const FuncNameTable& dpFuncs()
{
    // mode 11 "digital-performer"
    static const auto table = bitwigWith ({
        { 40, "I/O" }, { 41, "Sends" }, { 43, "Plugins" }, { 44, "" }, { 45, "DYN" }, { 48, "1<" },
        { 49, ">1" }, { 51, "" }, { 52, "ESC" }, { 53, "Counter" }, { 54, "Seq. Editor" },
        { 55, "Quick scribe" }, { 56, "Mixing" }, { 57, "Clip Editor" }, { 58, "New Marker" },
        { 59, "Track Group" }, { 60, "NewTrack Group" }, { 61, "TrkGroup Suspend" }, { 62, "F9" },
        { 63, "F10" }, { 64, "F11" }, { 65, "F12" }, { 66, "F13" }, { 67, "F14" }, { 68, "F15" },
        { 69, "F16" }, { 71, "Control" }, { 72, "Option" }, { 73, "Command" }, { 75, "Touch" },
        { 76, "Trim Touch" }, { 77, "Overwrite" }, { 79, "Trim Latch" }, { 81, "Audible Mode" },
        { 82, "Undo" }, { 83, "Redo" }, { 85, "RTZ" }, { 87, "" }, { 88, "" }, { 89, "" }, { 90, "" }
    });
    return table;
}

const FuncNameTable& samplitudeNotes()
{
    // mode 12 "samplitude"
    static const auto table = bitwigWith ({
        { 41, "Aux" }, { 42, "" }, { 44, "EQ" }, { 45, "" }, { 48, "1<" }, { 49, ">1" }, { 51, "Mixer" },
        { 52, "" }, { 53, "Timecode" }, { 54, "Marker1" }, { 55, "Marker2" }, { 56, "Marker3" },
        { 57, "Marker4" }, { 58, "Marker5" }, { 59, "Marker6" }, { 60, "Marker7" }, { 61, "Marker8" },
        { 62, "F9" }, { 63, "F10" }, { 64, "F11" }, { 65, "F12" }, { 66, "F13" }, { 67, "Prev. Object" },
        { 68, "Next Object" }, { 69, "F16" }, { 70, "Control" }, { 72, "" }, { 73, "Shift" },
        { 74, "Read" }, { 76, "Undo/ Redo" }, { 77, "Latch" }, { 78, "Touch" }, { 79, "Trim" },
        { 80, "Cancel" }, { 81, "Enter" }, { 82, "" }, { 83, "Save" }, { 84, "Mark" }, { 85, "Object" },
        { 87, "" }, { 88, "" }, { 89, "Metro- nome" }, { 90, "" }
    });
    return table;
}

const FuncNameTable& hrFuncs()
{
    // mode 13 "harrison"
    static const auto table = bitwigWith ({
        { 41, "Sends" }, { 44, "EQ" }, { 45, "Dyn" }, { 48, "1<" }, { 49, ">1" }, { 51, "Global View" },
        { 52, "Escape" }, { 59, "F6" }, { 60, "F7" }, { 61, "F8" }, { 62, "Audio Tracks" },
        { 63, "MIDI Tracks" }, { 64, "Trigger Tracks" }, { 65, "VCA Strips" }, { 66, "Bus Strips" },
        { 67, "MixBus Strips" }, { 68, "Foldback Strips" }, { 69, "Selected Strips" }, { 71, "All Touch" },
        { 72, "Start Range" }, { 73, "End Range" }, { 74, "Read" }, { 76, "Range" }, { 79, "OFF" },
        { 80, "ALL DISK" }, { 81, "ALL IN" }, { 82, "Punch" }, { 83, "Marker" }, { 84, "Prev Mark" },
        { 85, "Next Mark" }, { 87, "" }, { 88, "Click On/OFF" }, { 89, "" }, { 90, "Clear Solo" }
    });
    return table;
}

const FuncNameTable& auditionNotes()
{
    // mode 15 "audition"
    static const auto table = bitwigWith ({
        { 40, "" }, { 41, "" }, { 42, "Pan/ Surround" }, { 43, "" }, { 44, "EQ" }, { 45, "" },
        { 48, "1<" }, { 49, ">1" }, { 51, "" }, { 52, "Undo" }, { 53, "Redo" }, { 54, "Copy" },
        { 55, "Cut" }, { 56, "Paste" }, { 57, "Trim" }, { 58, "Freq." }, { 59, "Phase" },
        { 60, "Spectral" }, { 61, "Insert" }, { 62, "View" }, { 63, "Mon Rec" }, { 64, "Cue" },
        { 65, "Cue List" }, { 66, "Select All" }, { 67, "Zoom Full" }, { 68, "Close" }, { 69, "Save" },
        { 70, "Mixer" }, { 71, "Session Prop." }, { 72, "Track EQ" }, { 73, "Organi- zer" },
        { 74, "Next Block" }, { 75, "Split" }, { 76, "Trigger" }, { 77, "Remove" }, { 78, "Metro- nome" },
        { 79, "Cursor<" }, { 80, "SMTE S" }, { 81, "SMTE M" }, { 82, "Nudge<" }, { 83, "Nudge>" },
        { 84, "Play1" }, { 85, "Play2" }, { 87, "" }, { 88, "Anchor L" }, { 89, "Anchor R" },
        { 90, "Disable" }
    });
    return table;
}

const FuncNameTable& tkFuncs()
{
    // mode 16 "tracktion"
    static const auto table = bitwigWith ({
        { 40, "Mark In" }, { 41, "Mark Out" }, { 42, "Snap" }, { 43, "Scroll" }, { 44, "A Read" },
        { 45, "A Write" }, { 48, "1<" }, { 49, ">1" }, { 51, "Actions" }, { 52, "Mixer" },
        { 53, "M Editor" }, { 54, "A1" }, { 55, "A2" }, { 56, "A3" }, { 57, "A4" }, { 58, "A5" },
        { 59, "A6" }, { 60, "A7" }, { 61, "A8" }, { 62, "A9" }, { 63, "A10" }, { 64, "A11" },
        { 65, "A12" }, { 66, "A13" }, { 67, "A14" }, { 68, "A15" }, { 69, "A16" }, { 70, "Cut" },
        { 71, "Copy" }, { 72, "Paste" }, { 73, "Delete" }, { 74, "Send A" }, { 75, "Freeze" },
        { 76, "Click" }, { 77, "" }, { 78, "Punch" }, { 79, "Pan" }, { 81, "CL Peaks" }, { 82, "Undo" },
        { 83, "Redo" }, { 84, "Arm All" }, { 85, "Shift" }, { 87, "" }, { 88, "T Editor" }, { 89, "" },
        { 90, "Browser" }
    });
    return table;
}

const FuncNameTable& abFuncs()
{
    // mode 17 "ability"
    static const auto table = bitwigWith ({
        { 40, "STRIP Sec" }, { 41, "SENDS Sec" }, { 42, "Pan / Send" }, { 43, "INSERTS Sec" },
        { 44, "Upper" }, { 45, "Lower" }, { 48, "1<" }, { 49, ">1" }, { 51, "Inspect-or" },
        { 52, "Name / No" }, { 53, "Time / Beats" }, { 59, "F6" }, { 60, "F7" }, { 61, "F8" },
        { 62, "Add A.Tr" }, { 63, "Add MIDI Tr." }, { 64, "Add FX Tr." }, { 65, "Add GroupTr." },
        { 66, "Add FolderTr" }, { 67, "Add VirtualT" }, { 68, "Select Track" }, { 69, "Copy Track" },
        { 70, "Cut" }, { 71, "Copy" }, { 72, "Paste" }, { 73, "Delete" }, { 74, "AM Read" },
        { 75, "AM Wrire" }, { 76, "Mixer1" }, { 77, "Mixer2" }, { 78, "Mixer3" }, { 79, "Mixer4" },
        { 80, "Save As" }, { 82, "Load" }, { 83, "Redo" }, { 84, "Next Marker" }, { 85, "Prev Marker" },
        { 86, "" }, { 87, "Loop" }, { 88, "Click" }, { 89, "P.In" }, { 90, "P.Out" }, { 113, "SMPTE LED" },
        { 114, "Beats LED" }, { 115, "Solo Lamp" }, { 116, "Relay Clock" }
    });
    return table;
}

const FuncNameTable& lnFuncs()
{
    // mode 18 "luna"
    static const auto table = bitwigWith ({
        { 40, "track" }, { 41, "send" }, { 42, "pan/ surround" }, { 43, "plugins" }, { 44, "eq" },
        { 45, "inst." }, { 48, "1<" }, { 49, ">1" }, { 51, "global view" }, { 53, "Min:Sec/Bar/Beat" },
        { 54, "Timeline /Mixer" }, { 55, "Spill Main" }, { 56, "f3" }, { 57, "f4" }, { 58, "f5" },
        { 59, "f6" }, { 60, "f7" }, { 61, "f8" }, { 62, "midi tracks" }, { 63, "inputs" },
        { 64, "audio tracks" }, { 65, "audio inst." }, { 66, "aux" }, { 67, "busses" }, { 68, "outputs" },
        { 69, "user" }, { 70, "shift" }, { 71, "option" }, { 72, "ctrl" }, { 73, "cmd/alt" },
        { 75, "write" }, { 76, "Trim" }, { 79, "Sel. Grouping" }, { 80, "save" }, { 82, "Esc" },
        { 84, "Add Marker" }, { 85, "nudge" }, { 86, "loop" }, { 87, "drop" }, { 88, "replace" },
        { 89, "click" }, { 90, "CLR Solo" }
    });
    return table;
}
} // namespace NsDorna
