#include "DisplayTexts.h"

#include "ControlIds.h"
#include "CtlEnums.h"
#include "Tags.h"

namespace NsDorna
{
namespace
{
using KeyNameTable = std::array<const char*, numOfUsbKeyCodes>;

// The keyboard's key descriptions, by USB HID usage number.
constexpr KeyNameTable keyDescriptions {
    "", "#1", "#2", "Error Undefined", "A", "B", "C", "D",                                          // 0
    "E", "F", "G", "H", "I", "J", "K", "L",                                                         // 8
    "M", "N", "O", "P", "Q", "R", "S", "T",                                                         // 16
    "U", "V", "W", "X", "Y", "Z", "1", "2",                                                         // 24
    "3", "4", "5", "6", "7", "8", "9", "0",                                                         // 32
    "return", "escape", "backspace", "tab", "spacebar", "-", "=", "[",                              // 40
    "]", "\\", "#32", ";", "'", "`", ",", ".",                                                      // 48
    "/", "#39", "F1", "F2", "F3", "F4", "F5", "F6",                                                 // 56
    "F7", "F8", "F9", "F10", "F11", "F12", "#46", "#47",                                            // 64
    "#3", "insert", "home", "page up", "delete", "end", "page down", "cursor right",                // 72
    "cursor left", "cursor down", "cursor up", "#53", "#54", "*", "numpad -", "+",                  // 80
    "#58", "numpad 1", "numpad 2", "numpad 3", "numpad 4", "numpad 5", "numpad 6", "numpad 7",      // 88
    "numpad 8", "numpad 9", "numpad 0", "#63", "#64", "#65", "#66", "#67",                          // 96
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20",                                         // 104
    "F21", "F22", "F23", "F24", "execute", "help", "menu", "select",                                // 112
    "stop", "again", "undo", "cut", "copy", "paste", "find", "mute",                                // 120
};

// Short names for the keys the hotkey page records.
constexpr KeyNameTable shortKeyNames {
    "", "#1", "#2", "Error Undefined", "A", "B", "C", "D",                                          // 0
    "E", "F", "G", "H", "I", "J", "K", "L",                                                         // 8
    "M", "N", "O", "P", "Q", "R", "S", "T",                                                         // 16
    "U", "V", "W", "X", "Y", "Z", "1", "2",                                                         // 24
    "3", "4", "5", "6", "7", "8", "9", "0",                                                         // 32
    "Enter", "Esc", "Bksp", "Tab", "Spacebar", "-", "=", "[",                                       // 40
    "]", "\\", "#32", ";", "'", "`", ",", ".",                                                      // 48
    "/", "#39", "F1", "F2", "F3", "F4", "F5", "F6",                                                 // 56
    "F7", "F8", "F9", "F10", "F11", "F12", "#46", "#47",                                            // 64
    "Pause", "Ins", "Home", "PageUp", "Del", "End", "PageDown", "Right",                            // 72
    "Left", "Down", "Up", "NumLock", "#54", "*", "Num-", "+",                                       // 80
    "#58", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7",                                  // 88
    "Num8", "Num9", "Num0", "#63", "#64", "#65", "#66", "#67",                                      // 96
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20",                                         // 104
    "F21", "F22", "F23", "F24", "Execute", "Help", "Menu", "Select",                                // 112
    "Stop", "Again", "Undo", "Cut", "Copy", "Paste", "Find", "Mute",                                // 120
};

juce::String keyName (const KeyNameTable& table, int code)
{
    return inRange() (code, 0, numOfUsbKeyCodes - 1) ? juce::String (table[(size_t) code]) : juce::String();
}

juce::String withoutBlanks (const juce::String& text) { return text.removeCharacters (" "); }

juce::String keyText (const juce::String& key, int style) { return style == 1 ? withoutBlanks (key) : key; }

juce::String dropLastChar (const juce::String& text) { return text.dropLastCharacters (1); }

// One character of the LCD's set: control characters read as blanks, anything beyond ASCII as '?'.
juce::juce_wchar lcdChar (juce::juce_wchar c)
{
    if (c < 32)
        return ' ';
    return c > 126 ? '?' : c;
}

juce::String toLcdText (const juce::String& text)
{
    juce::String result;
    result.preallocateBytes ((size_t) lcdTextLength);
    for (auto p = text.getCharPointer(); ! p.isEmpty() && result.length() < lcdTextLength; ++p)
        result << juce::String::charToString (lcdChar (*p));
    return result.paddedRight (' ', lcdTextLength);
}
} // namespace

juce::String nameForUsbKeyCode (int code) { return keyName (keyDescriptions, code); }
juce::String goodNameForUsbKeycode (int code) { return keyName (shortKeyNames, code); }

int usbKeyCodeForName (const juce::String& name)
{
    for (int code = 0; code < numOfUsbKeyCodes; ++code)
        if (name == keyDescriptions[(size_t) code])
            return code;
    return -1;
}

const std::array<juce::String, 128>& NOTE()
{
    static const auto names = [] {
        // natural names carry a leading blank so every name of one octave digit has 3 characters
        const char* classes[12] = { " C", "C#", " D", "D#", " E", " F", "F#", " G", "G#", " A", "A#", " B" };
        std::array<juce::String, 128> result;
        for (int n = 0; n < 128; ++n)
            result[(size_t) n] = classes[n % 12] + juce::String (n / 12 - 1);
        return result;
    }();
    return names;
}

bool isJstrWithNonAscii::operator() (const juce::String& text) const
{
    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        if (*p > 126)
            return true;
    return false;
}

juce::String leftFillJstr::operator() (const juce::String& text, int width, juce::juce_wchar fill) const
{
    const int length = text.length();
    if (length > width)
        return text.substring (0, width);
    return text.paddedLeft (fill, (width - length) / 2 + length).paddedRight (fill, width);
}

juce::String fillJstrLines::operator() (const juce::String& text, int lines, int width, juce::juce_wchar fill) const
{
    return text.paddedRight (fill, lines * width);
}

juce::StringArray divideStringBy::operator() (const juce::String& text, const juce::String& separator) const
{
    juce::StringArray pieces;
    if (separator.isEmpty())
    {
        if (text.isNotEmpty())
            pieces.add (text);
        return pieces;
    }
    int start = 0;
    for (;;)
    {
        const int at = text.indexOf (start, separator);
        const auto piece = text.substring (start, at < 0 ? text.length() : at);
        if (piece.isNotEmpty())
            pieces.add (piece);
        if (at < 0)
            return pieces;
        start = at + separator.length();
    }
}

juce::String getFormattedText::operator() (const juce::String& text, int width, int lines, juce::juce_wchar fill) const
{
    // the short and the over-long case always use the LCD's own layout
    if (text.length() > lcdTextLength)
        return text.substring (0, lcdTextLength);
    if (text.length() <= lcdLineWidth)
        return fillJstrLines() (leftFillJstr() (text, lcdLineWidth, ' '), lcdLines, lcdLineWidth, ' ');

    const auto words = divideStringBy() (text, juce::String::charToString (fill));
    bool fits = words.size() == 1 || words.size() == 2;
    for (const auto& word : words)
        fits = fits && word.length() <= width;
    if (! fits)
        return fillJstrLines() (text, lines, width, fill);

    juce::String result;
    for (const auto& word : words)
        result << leftFillJstr() (word, width, fill);
    return fillJstrLines() (result, lines, width, fill);
}

namespace Defa
{
juce::String getHotkeyHlp (bool ctrl, bool shift, bool alt, bool cmd, const juce::String& key, int style)
{
    juce::String prefix;
    if (cmd) prefix << "cmd + ";
    if (ctrl) prefix << "ctrl + ";
    if (shift) prefix << "shift + ";
    if (alt) prefix << "alt + ";
    return prefix + keyText (key, style);
}

juce::String getHotkey (bool ctrl, bool shift, bool alt, bool cmd, const juce::String& key, int style)
{
    const auto text = getHotkeyHlp (ctrl, shift, alt, cmd, key, style);
    return style == 1 ? withoutBlanks (text) : text;
}

juce::String getHotkeyText (bool ctrl, bool shift, bool alt, bool cmd, const juce::String& key,
                            bool ctrl2, bool shift2, bool alt2, bool cmd2, const juce::String& key2,
                            bool ctrl3, bool shift3, bool alt3, bool cmd3, const juce::String& key3,
                            const juce::String& name, int style)
{
    const getFormattedText format;
    if (name.isNotEmpty())
        return format (name);

    const juce::String texts[3] = { keyText (key, style), keyText (key2, style), keyText (key3, style) };
    int keys = 0;
    for (const auto& t : texts)
        keys += t.isNotEmpty() ? 1 : 0;

    if (keys > 1)
    {
        // each combination as its modifier letters and the key's first character: "cC msP"
        const bool mods[3][4] = { { cmd, ctrl, shift, alt }, { cmd2, ctrl2, shift2, alt2 }, { cmd3, ctrl3, shift3, alt3 } };
        const char* letters[4] = { "m", "c", "s", "a" };
        juce::StringArray parts;
        for (int i = 0; i < 3; ++i)
        {
            juce::String part;
            for (int m = 0; m < 4; ++m)
                if (mods[i][m])
                    part << letters[m];
            part << texts[i].substring (0, 1).toUpperCase();
            parts.add (part);
        }
        return format (parts.joinIntoString (" "));
    }

    const auto& keyTxt = texts[0];
    const bool set[4] = { cmd, ctrl, shift, alt };
    int numMods = 0;
    for (auto b : set)
        numMods += b ? 1 : 0;

    auto joined = [&set] (const char* const (&names)[4]) {
        juce::String s;
        for (int m = 0; m < 4; ++m)
            if (set[m])
                s << names[m];
        return s;
    };

    juce::String text;
    switch (numMods)
    {
        case 0: text = keyTxt; break;
        case 1: text = joined ({ "Cmd ", "Ctrl ", "Shift ", "Alt " }) + keyTxt; break;
        case 2: text = dropLastChar (joined ({ "Cmd+", "Ctl+", "Sft+", "Alt+" })) + " " + keyTxt; break;
        case 3: text = dropLastChar (joined ({ "Cm+", "Ct+", "Sf+", "Al+" })) + format (keyTxt); break;
        default: text = "CmCtSfAl" + format (keyTxt); break;
    }
    return format (text);
}

juce::String getMidiName (int statusNibble, int chan, int value, const juce::String& name)
{
    if (name.isNotEmpty())
        return name;
    switch (statusNibble)
    {
        case 0: return {};
        case 11: return "CC" + juce::String (value);
        case 12: return "PC" + juce::String (value);
        case 14: return "PB" + juce::String (chan);
        default: break;
    }
    // a value beyond the note table (a hand-edited file, say) is no note either
    return inRange() (value, 0, 127) ? NOTE()[(size_t) value] : juce::String ("Note");
}

juce::String getFormattedSendingText (const juce::ValueTree& ctl)
{
    const CtlValueType vt (ctl.getProperty (Tags::valueType).toString());
    const auto name = ctl.getProperty (Tags::name).toString();
    auto flag = [&ctl] (const juce::Identifier& id) { return (bool) ctl.getProperty (id); };
    auto text = [&ctl] (const juce::Identifier& id) { return ctl.getProperty (id).toString(); };

    juce::String lcd;
    if (vt == CtlValueType::hotkey)
        lcd = getHotkeyText (flag (Tags::ctrl), flag (Tags::shift), flag (Tags::alt), flag (Tags::cmd), text (Tags::keyName),
                             flag (Tags::ctrl2), flag (Tags::shift2), flag (Tags::alt2), flag (Tags::cmd2), text (Tags::keyName2),
                             flag (Tags::ctrl3), flag (Tags::shift3), flag (Tags::alt3), flag (Tags::cmd3), text (Tags::keyName3),
                             name, 1);
    else if (vt == CtlValueType::midi)
        lcd = getFormattedText() (getMidiName (MsgType (text (Tags::type)).getTypeValue(), ctl.getProperty (Tags::chan),
                                               ctl.getProperty (Tags::value), name));
    else
        lcd = getFormattedText() (name);

    return toLcdText (lcd);
}
} // namespace Defa
} // namespace NsDorna
