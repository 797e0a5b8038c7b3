#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <array>

namespace MyConf
{
// The characters a name may hold: the 95 printable ASCII characters, codes 32-126.
inline constexpr const char* StrRestrictions =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
constexpr int maxNameLength = 16;
} // namespace MyConf

// Texts shown for controls on the surface picture and sent to the device's LCDs, and key names.
namespace NsDorna
{
constexpr int numOfUsbKeyCodes = 128;
constexpr int lcdLineWidth = 8;
constexpr int lcdLines = 2;
constexpr int lcdTextLength = lcdLineWidth * lcdLines; // 16

// Key names by USB HID keyboard usage number; empty outside 0-127.
// nameForUsbKeyCode: the keyboard's key descriptions ("page up"); goodNameForUsbKeycode: short
// capitalised names ("PageUp").
juce::String nameForUsbKeyCode (int code);
juce::String goodNameForUsbKeycode (int code);
// The code whose nameForUsbKeyCode is `name`, or -1.
int usbKeyCodeForName (const juce::String& name);

// Note names of MIDI notes 0-127: " C-1", "C#-1" .. " C4" .. " G9".
const std::array<juce::String, 128>& NOTE();

// True when a character of the text lies above code 126.
struct isJstrWithNonAscii
{
    bool operator() (const juce::String& text) const;
};

// Centres `text` in `width` characters (cut to its first `width` when longer).
struct leftFillJstr
{
    juce::String operator() (const juce::String& text, int width, juce::juce_wchar fill = ' ') const;
};

// Pads `text` on the right to lines × width characters; never shortens.
struct fillJstrLines
{
    juce::String operator() (const juce::String& text, int lines, int width, juce::juce_wchar fill = ' ') const;
};

// The non-empty pieces between the occurrences of `separator`, in order.
struct divideStringBy
{
    juce::StringArray operator() (const juce::String& text, const juce::String& separator) const;
};

// The two-line LCD form of a text: 16 characters, a short text centred on line 1, two words of
// at most a line each centred on one line each, anything longer than 16 cut.
struct getFormattedText
{
    juce::String operator() (const juce::String& text, int width = lcdLineWidth, int lines = lcdLines,
                              juce::juce_wchar fill = ' ') const;
};

namespace Defa
{
// The long text of one key combination: "cmd + shift + A" (style 0), "cmd+shift+A" from getHotkey
// with style 1. getHotkeyHlp keeps the blanks of the prefix in both styles.
juce::String getHotkeyHlp (bool ctrl, bool shift, bool alt, bool cmd, const juce::String& key, int style);
juce::String getHotkey (bool ctrl, bool shift, bool alt, bool cmd, const juce::String& key, int style);

// The LCD text of a hotkey mapping of up to three combinations (style 1 = compact).
juce::String getHotkeyText (bool ctrl, bool shift, bool alt, bool cmd, const juce::String& key,
                            bool ctrl2, bool shift2, bool alt2, bool cmd2, const juce::String& key2,
                            bool ctrl3, bool shift3, bool alt3, bool cmd3, const juce::String& key3,
                            const juce::String& name, int style);

// The short text of a MIDI mapping: its name, else "CC7", "PC3", "PB3", or the note name.
// A note value outside 0-127 reads "Note".
juce::String getMidiName (int statusNibble, int chan, int value, const juce::String& name);

// The LCD text of a control node: always exactly 16 characters of MyConf::StrRestrictions
// (control characters become blanks, characters above code 126 become '?').
juce::String getFormattedSendingText (const juce::ValueTree& ctl);
} // namespace Defa
} // namespace NsDorna
