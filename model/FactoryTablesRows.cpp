#include "FactoryTablesRows.h"

// One token per record, in cid order. Numbers are Mackie notes, "-" is nothing assigned,
// k<modifiers><key code> a hotkey (m cmd, c ctrl, s shift, a alt), z.p a HUI button and z a HUI
// button without function.
namespace NsDorna::FactoryData
{
namespace
{
const FactoryRows bw0Rows {
    1, "bitwig",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 62 63 64 65 66 67 68 69",
        /* 117-132 */ "84 85 87 88 89 90 51 61 80 81 82 83 70 71 72 73",
        /* 133-148 */ "54 55 56 57 58 59 60 76 - - - - - - - -",
        /* 149-164 */ "k30 k31 k32 k33 k34 kc21 kc8 kc7 kc6 kc27 kc25 k76 kc10 kcs10 kc29 kc28",
        /* 165-180 */ "kc18 kc26 kc20 kc17 kc22 kcs22 k87 k86 k5 kc9 kc4 k41 kc23 kcs23 kca23 kca10",
    },
    /* 207-212 */ "74 75 77 78 - -",
};

const FactoryRows cb0Rows {
    2, "cubase",
    {
        /* 101-116 */ "42 43 44 45 80 81 40 41 76 79 52 53 78 51 84 85",
        /* 117-132 */ "54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69",
        /* 133-148 */ "88 89 90 77 72 82 70 71 83 73 87 - - - - -",
        /* 149-164 */ "kc18 kc26 kc20 kc17 kc22 kcs22 k20 k13 kc27 kc6 kc25 k76 ka25 ka27 kc7 kc14",
        /* 165-180 */ "kc19 kc16 kc23 kc5 k27 k4 k6 k23 k59 k60 k63 k9 kc10 kc24 kcs15 kcs24",
    },
    /* 207-212 */ "74 75 - - - -",
};

const FactoryRows pt0Rows {
    3, "pro-tools",
    {
        /* 101-116 */ "11.66 11.72 11.65 11.64 11.71 11.70 11.69 11.68 11.67 12.64 z 0.70 9.69 28.65 28.71 28.70",
        /* 117-132 */ "16.66 16.67 15.68 15.66 15.64 15.65 16.65 16.68 9.65 9.64 9.66 26.69 26.65 26.68 26.64 26.67",
        /* 133-148 */ "12.66 9.67 25.66 12.65 8.71 8.67 27.71 20.64 8.65 8.66 8.68 8.69 21.65 21.66 21.64 -",
        /* 149-164 */ "k58 k59 k60 k61 k62 k63 k64 k65 k66 k67 kc36 kc22 kc18 kcs18 kcs26 kc17",
        /* 165-180 */ "kc29 kcs29 k7 k8 k9 k10 km46 kma46 - - - - - - - -",
    },
    /* 207-212 */ "24.66 24.68 24.69 24.65 24.64 24.67",
};

const FactoryRows lg0Rows {
    4, "logic",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 87 88 89 90 80 81 84 85",
        /* 117-132 */ "62 63 64 65 66 67 68 69 51 79 82 83 70 71 72 73",
        /* 133-148 */ "54 55 56 57 58 59 60 61 - - - - - - - -",
        /* 149-164 */ "kms17 km17 km18 km26 km22 kms22 km29 kms29 km27 km6 km25 k76 km4 ks7 ks40 k4",
        /* 165-180 */ "km89 km90 km91 km92 km93 km95 km96 k8 k7 kma19 k18 k9 k28 k12 k27 k5",
    },
    /* 207-212 */ "74 75 77 78 76 -",
};

const FactoryRows lv0Rows {
    5, "live",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 84 85 87 88 89 90 76 79",
        /* 117-132 */ "54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69",
        /* 133-148 */ "74 75 77 78 80 81 82 83 70 71 51 - 72 73 - -",
        /* 149-164 */ "kc12 kcs12 kc23 kcs23 kca23 kcs16 kc21 kca9 kc6 kc27 kc25 kc7 k76 kc8 kc13 kc4",
        /* 165-180 */ "kc17 kc18 kc26 kc20 kc22 kcs22 k87 k86 k4 kc24 k29 k27 kc15 kcs15 kc10 kcs10",
    },
    /* 207-212 */ "- - - - - -",
};

const FactoryRows rp0Rows {
    6, "reaper",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 62 63 64 65 66 67 68 69",
        /* 117-132 */ "84 85 87 88 89 90 51 61 80 81 82 83 70 71 72 73",
        /* 133-148 */ "54 55 56 57 58 59 60 - - - - - - - - -",
        /* 149-164 */ "kc6 kc27 kc25 kc7 kc22 ks22 k7 k76 kc4 kc23 k16 k17 kc29 kcs29 kc22 kca22",
        /* 165-180 */ "kc18 kc61 kc20 kc17 ka40 k59 kcs16 k68 kc16 kca23 ka7 k9 ks9 kc5 kc8 ka5",
    },
    /* 207-212 */ "74 75 77 78 76 -",
};

const FactoryRows rs0Rows {
    7, "reason",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 87 88 89 90 80 81 84 85",
        /* 117-132 */ "62 63 64 65 66 67 68 69 51 79 82 83 70 71 72 73",
        /* 133-148 */ "54 55 56 57 58 59 60 61 76 77 - - - - - -",
        /* 149-164 */ "kc6 kc27 kc25 kcs16 kc4 kc7 k62 k64 kc8 k60 kc12 k63 kc29 kc28 kc22 kcs22",
        /* 165-180 */ "k5 kc26 ks30 k43 kc17 k9 k14 kc23 k65 k61 k59 kcs10 kc60 kc62 kc63 kc64",
    },
    /* 207-212 */ "74 75 78 - - -",
};

const FactoryRows so0Rows {
    8, "studio-one",
    {
        /* 101-116 */ "40 41 42 43 44 53 87 89 54 55 56 57 58 59 60 61",
        /* 117-132 */ "64 65 66 67 68 69 51 84 80 81 82 90 70 71 83 k4",
        /* 133-148 */ "k30 k31 k32 k33 k34 k35 k36 k37 k59 k60 k61 k62 k63 k64 k65 k66",
        /* 149-164 */ "kc6 kc27 kc25 k7 kc4 kc7 ka27 k76 ka80 ka79 kc12 ka21 kc29 kc28 kc22 kcsa22",
        /* 165-180 */ "kc18 kc26 kc20 k73 kc17 kcs17 k55 kc23 k23 ks23 kc10 kcs10 kc5 k10 k27 ks27",
    },
    /* 207-212 */ "74 75 77 78 - -",
};

const FactoryRows fl0Rows {
    9, "fl-studio",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 74 88 89 90 80 81 84 85",
        /* 117-132 */ "62 63 64 65 66 67 68 69 51 79 82 83 70 71 72 73",
        /* 133-148 */ "54 55 56 57 58 59 60 61 75 76 77 78 - - - -",
        /* 149-164 */ "kc6 kc27 kc25 kcs73 ks61 k61 kc61 kcs6 kcs76 kcs82 kcs81 kc65 kc29 k66 kc22 kcs22",
        /* 165-180 */ "kc18 ka30 k67 k69 kc17 kc9 k68 ka65 k65 kc62 k63 k59 kc5 k62 k64 kc23",
    },
    /* 207-212 */ "- - - - - -",
};

const FactoryRows sn0Rows {
    10, "cakewalk",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 75 76 77 78 80 81 84 87",
        /* 117-132 */ "62 63 64 65 66 67 68 69 51 79 82 83 70 71 72 73",
        /* 133-148 */ "54 55 56 57 58 59 60 61 88 89 90 - - - - -",
        /* 149-164 */ "k6 k5 k12 ksa33 ka30 ka31 ka32 ka33 ka34 ka35 ka36 ka37 kc29 kc28 kc22 ka38",
        /* 165-180 */ "kc18 k16 k19 k28 k20 ks16 kc58 kc19 ksa30 ksa31 ksa32 ksa38 ksa34 ksa35 ksa36 ksa37",
    },
    /* 207-212 */ "74 - - - - -",
};

const FactoryRows dp0Rows {
    11, "digital-performer",
    {
        /* 101-116 */ "40 41 42 43 45 52 53 54 55 56 57 58 59 60 61 84",
        /* 117-132 */ "62 63 64 65 66 67 68 69 80 79 82 83 70 71 72 73",
        /* 133-148 */ "81 85 56 57 58 59 60 61 - - - - - - - -",
        /* 149-164 */ "kc6 kc27 kc25 ksa7 kc4 kc7 kc16 k76 kc24 kc15 kc12 kc14 kc29 kc28 kc22 kc58",
        /* 165-180 */ "kc18 kcs26 kc13 kc20 kc14 kc21 ks23 kc44 kc38 kc39 kc10 kc23 kc5 ks6 kc5 ks16",
    },
    /* 207-212 */ "74 77 75 78 76 -",
};

const FactoryRows sp0Rows {
    12, "samplitude",
    {
        /* 101-116 */ "40 41 43 44 51 53 89 76 54 55 56 57 58 59 60 61",
        /* 117-132 */ "62 63 64 65 66 67 68 69 80 81 83 84 85 70 71 73",
        /* 133-148 */ "- - - - - - - - - - - - - - - -",
        /* 149-164 */ "kc6 kc27 kc25 k7 kc4 kc7 ka27 k76 ka80 ka79 kc12 ka21 kc29 kc28 kc22 kca22",
        /* 165-180 */ "kc18 kc26 kc20 k73 kc17 kcs17 k55 kc23 k23 ks23 kc10 kcs10 kc5 k10 k27 ks27",
    },
    /* 207-212 */ "74 75 78 77 79 -",
};

const FactoryRows hr0Rows {
    13, "harrison",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 72 76 73 88 80 81 84 85",
        /* 117-132 */ "62 63 64 65 66 67 68 69 51 79 82 83 70 71 90 -",
        /* 133-148 */ "54 55 56 57 58 59 60 61 - - - - - - - -",
        /* 149-164 */ "kc6 kc27 kc25 k76 k44 ks44 ks15 k22 ks80 ks79 kcs22 ka14 ks8 ks22 kc22 kc12",
        /* 165-180 */ "kc18 kcs18 kc20 ks21 kc17 kcs17 k37 kc36 k53 kc53 ks16 k36 kc32 kc9 ks5 ka5",
    },
    /* 207-212 */ "74 75 77 78 - -",
};

const FactoryRows ad0Rows {
    15, "audition",
    {
        /* 101-116 */ "42 44 52 53 54 55 56 58 59 88 89 90 80 81 84 85",
        /* 117-132 */ "62 63 64 65 66 67 68 69 60 79 82 83 70 71 72 73",
        /* 133-148 */ "61 74 75 76 77 78 - - - - - - - - - -",
        /* 149-164 */ "kc6 kc27 kc25 k7 kc4 kc7 ka27 k76 ka80 ka79 kc12 ka21 kc29 kc28 kc22 kca22",
        /* 165-180 */ "kc18 kc26 kc20 k73 kc17 kcs17 k55 kc23 k23 ks23 kc10 kcs10 kc5 k10 k27 ks27",
    },
    /* 207-212 */ "- - - - 57 -",
};

const FactoryRows tk0Rows {
    16, "tracktion",
    {
        /* 101-116 */ "40 41 42 43 51 52 53 70 71 72 73 74 75 76 78 79",
        /* 117-132 */ "54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69",
        /* 133-148 */ "80 81 82 83 84 85 88 90 - - - - - - - -",
        /* 149-164 */ "kc6 kc27 kc25 k7 kc4 kc7 ka27 k76 ka80 ka79 kc12 ka21 kc29 kc28 kc22 kca22",
        /* 165-180 */ "kc18 kc26 kc20 k73 kc17 kcs17 k55 kc23 k23 ks23 kc10 kcs10 kc5 k10 k27 ks27",
    },
    /* 207-212 */ "44 45 - - - -",
};

const FactoryRows ab0Rows {
    17, "ability",
    {
        /* 101-116 */ "40 41 43 44 45 42 52 53 87 88 89 90 84 85 62 63",
        /* 117-132 */ "64 65 66 67 76 77 78 79 51 70 71 72 k76 73 68 69",
        /* 133-148 */ "96 97 98 99 54 55 56 57 58 59 60 61 k66 k67 kc60 kc61",
        /* 149-164 */ "81 83 82 80 kc22 kc17 k77 k74 kc13 k82 k81 k79 k80 k40 k43 k41",
        /* 165-180 */ "ks60 ks61 ks62 ks63 kcs60 kcs61 kcs62 - - - - - - - - -",
    },
    /* 207-212 */ "74 75 - - - -",
};

const FactoryRows ln0Rows {
    18, "luna",
    {
        /* 101-116 */ "40 41 42 43 44 45 52 53 87 88 89 90 80 81 84 85",
        /* 117-132 */ "62 63 64 65 66 67 68 69 51 79 82 83 70 71 72 73",
        /* 133-148 */ "54 55 56 57 58 59 60 61 75 - - - - - - -",
        /* 149-164 */ "kc18 kc26 kc20 kc17 kc22 kcs22 k20 k13 kc27 kc6 kc25 k76 ka25 ka27 kc7 kc14",
        /* 165-180 */ "kc19 kc16 kc23 kc5 k27 k4 k6 k23 k59 k60 k63 k9 kc10 kc24 kcs15 kcs24",
    },
    /* 207-212 */ "74 - 76 77 78 -",
};
} // namespace

const std::array<const FactoryRows*, MyConf::numOfModes>& factoryRowsOfModes()
{
    static const std::array<const FactoryRows*, MyConf::numOfModes> rows {
        &bw0Rows, &cb0Rows, &pt0Rows, &lg0Rows, &lv0Rows, &rp0Rows, &rs0Rows, &so0Rows, &fl0Rows,
        &sn0Rows, &dp0Rows, &sp0Rows, &hr0Rows,
        &cb0Rows, // 14 nuendo: the rows of mode 2
        &ad0Rows, &tk0Rows, &ab0Rows, &ln0Rows,
    };
    return rows;
}

const std::vector<ModeHotkeyNames>& hotkeyNamesOfModes()
{
    // Per mode, runs of names for consecutive LCD buttons starting at the given cid.
    static const std::vector<ModeHotkeyNames> names {
    { 1, "bitwig", {
        { 149, {
            "Pointer", "Time Select", "Pen", "Eraser", "Knife", "Rename", "Split", "Dupli- cate", "Copy",
            "Cut", "Paste", "Delete", "Group", "Ungroup", "Undo", "Redo", "Open", "Close", "Quit", "New",
            "Save", "Save As", "Zoom In", "Zoom Out", "Insert", "Auto Fade", "Select All", "Unselect All",
            "Add Inst.", "Add Audio", "Add Effect", "Add Group",
        } },
    } },
    { 2, "cubase", {
        { 149, {
            "Open", "Close", "Quit", "New Project", "Save", "Save As", "Quantize", "Snap On/Off", "Cut",
            "Copy", "Paste", "Delete", "Paste At Origin", "Split", "Dupli- cate", "Repeat", "Pool", "Markers",
            "Tempo Track", "Browser", "Cross- fade", "Adjust Fades", "Click", "Add Track", "Trans- port",
            "Mix", "Auto", "Auto Scroll", "Group", "Ungroup", "Lock", "Unlock",
        } },
    } },
    { 3, "pro-tools", {
        { 149, {
            "Shuffle", "Slip", "Spot", "Grid", "Zoomer", "Trimmer", "Selector", "Grabber", "Scrubber",
            "Pencil", "Smart", "Save", "Open", "Open Recent", "Close", "New", "Undo", "Redo", "Fade",
            "Zoom Toggle", "Cross- fade", "Fade Out", "MIDI Editor", "Score Editor",
        } },
    } },
    { 4, "logic", {
        { 149, {
            "New", "New FromTemplate", "Open", "Close", "Save", "Save As", "Undo", "Redo", "Cut", "Copy",
            "Paste", "Delete", "Select All", "Deselect All", "Rename Track", "Auto- mation", "Main Window",
            "Open Mixer", "Smart Control", "Piano Roll", "Score Editor", "Event List", "Project Audio",
            "Editor", "List Editor", "Note Pads", "Loop Browser", "Browsers", "Library", "Inspec- tor",
            "Hide Mixer", "Smart Control",
        } },
    } },
    { 5, "live", {
        { 149, {
            "Insert Silence", "Insert Scene", "Insert Audio", "Insert MIDI", "Insert Return", "Insert Clip",
            "Rename", "Create Fade", "Copy", "Cut", "Paste", "Dupli- cate", "Delete", "Split", "Consoli- date",
            "Select All", "New", "Open", "Close", "Quit", "Save", "Save As", "Zoom In", "Zoom Out", "Auto",
            "Quantize", "Zoom To", "Zoom Back", "Loop Se-lection", "Select Loop", "Group", "Ungroup",
        } },
    } },
    { 6, "reaper", {
        { 149, {
            "Copy", "Cut", "Paste", "Dupli -cate", "Split At Cursor", "Split At TimeSel", "Dynamic Split",
            "Del", "Select All", "Insert Track", "Marker", "Nudge", "Undo", "Redo", "Save", "Save As", "Open",
            "Close", "Quit", "New", "ProjectSettings", "Item", "Track Manager", "Full Screen", "Mixer",
            "Tran..", "Docker", "Toolbar Docker", "FX Browser", "Project Media", "Screen Sets", "Virtual MIDI",
        } },
    } },
    { 7, "reason", {
        { 149, {
            "Copy", "Cut", "Paste", "Create Mix Chan", "Select All", "Dupli- cate", "ViewMain Mixer",
            "View Se- quencer", "Enter EditMode", "Hide Browser", "Create Inst.", "View Racks", "Undo", "Redu",
            "Save", "Save as", "SwitchToBlock Vw", "Close", "Send AllNotesOff", "Toggle Rack F/R", "New",
            "Follow Song", "Reduce CabClutt", "Create AudTrack", "Show Tool Wnd", "Show PianoKey",
            "Show EQ Wnd", "Auto Group", "Show RecMeter", "Detach MainMixr", "Detach Rack Wnd", "View All",
        } },
    } },
    { 8, "studio-one", {
        { 132, {
            "Auto- mation", "Arrow Tool", "Range Tool", "Split Tool", "Erase Tool", "Paint Tool", "Mute Tool",
            "bend Tool", "Listen Tool", "Editor", "Console", "Inspect- or", "Browser", "Show Inst.",
            "Show Effects", "Show Loops", "Show Files", "Copy", "Cut", "Paste", "Dupli- cate", "Select All",
            "Deselect All", "Split", "Delete", "Nudge Back", "Nudge", "Insert Sel.", "Create Ranges", "Undo",
            "Redo", "Save", "Save New Version", "Open", "Close", "Quit", "Insert Marker", "New Song",
            "New Project", "RTZ", "Goto Time", "Add Tracks", "Remove Track", "Group", "Ungroup", "Bounce",
            "Merge Events", "Cross Fades", "Auto Faders",
        } },
    } },
    { 9, "fl-studio", {
        { 149, {
            "Copy", "Cut", "Paste", "Insert One", "Find 1st Empty", "FindNext Empty", "NexEmpty(no nam)",
            "Clone", "Delete", "Move Up", "Move Down", "Project Picker", "Undo", "Mixer", "Save", "Save as",
            "Open", "Recent Project", "MIDI Settings", "Close All Wnds", "Save New Version", "Browser find...",
            "Project Info", "Browser", "Plugin Picker", "Tempo Tapper", "Channel Rack", "Rename & Color",
            "Blend  RecNotes", "Playlist", "Piano Roll", "Typing To Piano",
        } },
    } },
    { 10, "cakewalk", {
        { 149, {
            "Control Bar", "Browser", "Inspector", "Markers", "Track View", "Console View", "Piano RollView",
            "Step Se- quencer", "Matrix View", "Staff View", "LoopConstruction", "Event List", "Undo", "Redo",
            "Save", "Synth RackView", "Open", "Insert Marker", "Prefer- ences", "Help Module", "Quantize",
            "Measure/BeatsNow", "Run CAL...", "Print...", "Lyrics", "Video", "Big Time", "Surround Panner",
            "Tempo", "Meter/ Key", "Sysx", "Navi- gator",
        } },
    } },
    { 11, "digital-performer", {
        { 149, {
            "Copy", "Cut", "Paste", "Dupli- cate", "Select All", "Deselect All", "Merge", "Erase", "Trim",
            "Shift...", "Italic", "Splice", "Undo", "Split", "Save", "Import Aud File", "Open", "Close",
            "Snip", "Quit", "Markers", "Repeat", "Tracks", "Audition Sel.", "Trans- pose", "Quantize",
            "Groove Quantize", "Show Fonts", "Bold", "Chunks", "Sound- bites", "Mixing Broad",
        } },
    } },
    { 12, "samplitude", {} },
    { 13, "harrison", {
        { 149, {
            "Copy", "Cut", "Paste", "Delete", "Start/ Stop", "Record Start", "Editor List", "Split/ Seperate",
            "Rewind", "Forward", "Snapshot", "Virtual Keyboard", "Editor Mixer", "Show Summary", "Save",
            "Import", "Open", "Recent", "Quit", "Enable Record", "New", "Add Track", "Punch In/Out",
            "Auto Play", "Click", "AllNotes Off", "Monitor Section", "Auto Return", "Follow Range",
            "Follow Playhead", "Mix- busses", "Meter- bridge",
        } },
    } },
    { 14, "nuendo", {
        { 149, {
            "Open", "Close", "Quit", "New Project", "Save", "Save As", "Quantize", "Snap On/Off", "Cut",
            "Copy", "Paste", "Delete", "Paste At Origin", "Split", "Dupli- cate", "Repeat", "Pool", "Markers",
            "Tempo Track", "Browser", "Cross- fade", "Adjust Fades", "Click", "Add Track", "Trans- port",
            "Mix", "Auto", "Auto Scroll", "Group", "Ungroup", "Lock", "Unlock",
        } },
    } },
    { 15, "audition", {} },
    { 16, "tracktion", {} },
    { 17, "ability", {
        { 129, {
            "Erase",
        } },
        { 153, {
            "Save", "New Project", "Jump To End", "Jump To Top", "Jump To Measure", "Cursor Up", "Cursor Down",
            "Cursor Right", "Cursor Left", "Enter", "Tab", "Escape", "4th Glid", "8th Glid", "16th Glid",
            "32th Glid", "4th tri Glid", "8th tri Glid", "16th tri Glid",
        } },
    } },
    { 18, "luna", {} },
    };
    return names;
}
} // namespace NsDorna::FactoryData
