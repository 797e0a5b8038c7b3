#include "model/DisplayTexts.h"
#include "model/Tags.h"

#include <gtest/gtest.h>

using namespace NsDorna;

namespace
{
const juce::String blanks8 = "        ";

juce::String utf8 (const char* text) { return juce::String::fromUTF8 (text); }

bool onlyAllowedChars (const juce::String& text)
{
    return text.containsOnly (MyConf::StrRestrictions);
}
} // namespace

TEST (DisplayTexts, KeyNames)
{
    struct Case
    {
        int code;
        const char* description;
        const char* shortName;
    };
    const Case cases[] = {
        { 0, "", "" }, { 1, "#1", "#1" }, { 3, "Error Undefined", "Error Undefined" }, { 4, "A", "A" },
        { 29, "Z", "Z" }, { 30, "1", "1" }, { 38, "9", "9" }, { 39, "0", "0" }, { 40, "return", "Enter" },
        { 41, "escape", "Esc" }, { 42, "backspace", "Bksp" }, { 44, "spacebar", "Spacebar" }, { 49, "\\", "\\" },
        { 50, "#32", "#32" }, { 53, "`", "`" }, { 57, "#39", "#39" }, { 58, "F1", "F1" }, { 69, "F12", "F12" },
        { 70, "#46", "#46" }, { 72, "#3", "Pause" }, { 73, "insert", "Ins" }, { 75, "page up", "PageUp" },
        { 76, "delete", "Del" }, { 79, "cursor right", "Right" }, { 82, "cursor up", "Up" },
        { 83, "#53", "NumLock" }, { 84, "#54", "#54" }, { 85, "*", "*" }, { 86, "numpad -", "Num-" },
        { 87, "+", "+" }, { 88, "#58", "#58" }, { 89, "numpad 1", "Num1" }, { 97, "numpad 9", "Num9" },
        { 98, "numpad 0", "Num0" }, { 99, "#63", "#63" }, { 103, "#67", "#67" }, { 104, "F13", "F13" },
        { 115, "F24", "F24" }, { 116, "execute", "Execute" }, { 122, "undo", "Undo" }, { 127, "mute", "Mute" },
        { 128, "", "" }, { 200, "", "" }, { -1, "", "" },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ (nameForUsbKeyCode (c.code), c.description) << c.code;
        EXPECT_EQ (goodNameForUsbKeycode (c.code), c.shortName) << c.code;
    }
}

TEST (DisplayTexts, EveryKeyDescriptionLeadsBackToItsCode)
{
    // the hotkey page finds a recorded key's code by its description
    for (int code = 0; code < numOfUsbKeyCodes; ++code)
        EXPECT_EQ (usbKeyCodeForName (nameForUsbKeyCode (code)), code) << code;
    EXPECT_EQ (usbKeyCodeForName ("no such key"), -1);
    EXPECT_EQ (usbKeyCodeForName ("PageUp"), -1); // short names are not descriptions
}

TEST (DisplayTexts, NoteNames)
{
    const std::pair<int, const char*> cases[] = {
        { 0, " C-1" }, { 1, "C#-1" }, { 11, " B-1" }, { 12, " C0" }, { 60, " C4" }, { 61, "C#4" }, { 127, " G9" },
    };
    for (const auto& [note, name] : cases)
        EXPECT_EQ (NOTE()[(size_t) note], name) << note;
}

TEST (DisplayTexts, AllowedCharacters)
{
    const juce::String allowed (MyConf::StrRestrictions);
    ASSERT_EQ (allowed.length(), 95);
    for (int i = 0; i < allowed.length(); ++i)
        EXPECT_EQ ((int) allowed[i], 32 + i);

    EXPECT_FALSE (isJstrWithNonAscii() (allowed));
    EXPECT_FALSE (isJstrWithNonAscii() (""));
    EXPECT_TRUE (isJstrWithNonAscii() (utf8 ("Caf\xc3\xa9")));
    EXPECT_TRUE (isJstrWithNonAscii() (juce::String::charToString (127)));
}

TEST (DisplayTexts, TextTools)
{
    EXPECT_EQ (leftFillJstr() ("ab", 8, ' '), "   ab   ");
    EXPECT_EQ (leftFillJstr() ("abc", 8, ' '), "  abc   ");
    EXPECT_EQ (leftFillJstr() ("abc", 8, '.'), "..abc...");
    EXPECT_EQ (leftFillJstr() ("123456789", 8, ' '), "12345678");
    EXPECT_EQ (leftFillJstr() ("", 4, ' '), "    ");

    EXPECT_EQ (fillJstrLines() ("ab", 2, 3, '-'), "ab----");
    EXPECT_EQ (fillJstrLines() ("abcdefgh", 2, 3, '-'), "abcdefgh"); // never shortens

    EXPECT_EQ (divideStringBy() ("a  b ", " "), juce::StringArray ({ "a", "b" }));
    EXPECT_EQ (divideStringBy() (" a", " "), juce::StringArray ({ "a" }));
    EXPECT_EQ (divideStringBy() ("x--y----z", "--"), juce::StringArray ({ "x", "y", "z" }));
    EXPECT_TRUE (divideStringBy() ("", " ").isEmpty());
    EXPECT_TRUE (divideStringBy() ("   ", " ").isEmpty());
}

TEST (DisplayTexts, LcdLayout)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Track", " Track          " },
        { "Dupli- cate", " Dupli-   cate  " },
        { "Transprt Left", "Transprt  Left  " },
        { "Transprt Right", "Transprt Right  " },
        { "  Track  ", " Track          " },        // one word with blanks around it
        { "Paste At Origin", "Paste At Origin " },    // three words stay as they are
        { "Hello Worldwide", "Hello Worldwide " },    // a word longer than a line
        { "ABCDEFGHIJ", "ABCDEFGHIJ      " },
        { "12345678", "12345678        " },
        { "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP" }, // cut to 16
        { "", "                " },
    };
    for (const auto& [text, lcd] : cases)
        EXPECT_EQ (getFormattedText() (text), lcd) << "'" << text << "'";
}

TEST (DisplayTexts, HotkeyHelpTexts)
{
    EXPECT_EQ (Defa::getHotkey (false, true, false, true, "A", 1), "cmd+shift+A");
    EXPECT_EQ (Defa::getHotkey (false, true, false, true, "A", 0), "cmd + shift + A");
    EXPECT_EQ (Defa::getHotkey (true, true, true, true, "A", 1), "cmd+ctrl+shift+alt+A");
    EXPECT_EQ (Defa::getHotkey (true, false, true, false, "page up", 0), "ctrl + alt + page up");
    EXPECT_EQ (Defa::getHotkey (false, false, false, false, "page up", 1), "pageup");
    EXPECT_EQ (Defa::getHotkeyHlp (true, false, true, false, "page up", 1), "ctrl + alt + pageup");
    EXPECT_EQ (Defa::getHotkeyHlp (false, false, false, false, "page up", 0), "page up");
}

TEST (DisplayTexts, HotkeyLcdTexts)
{
    struct Combo
    {
        bool ctrl, shift, alt, cmd;
        const char* key;
    };
    struct Case
    {
        Combo c1, c2, c3;
        const char* name;
        const char* lcd;
    };
    const Combo none { false, false, false, false, "" };
    const Case cases[] = {
        { { false, true, false, false, "A" }, none, none, "", "Shift A         " },
        { { true, false, false, false, "C" }, none, none, "", " Ctrl C         " },
        { { false, false, false, true, "S" }, none, none, "", " Cmd S          " },
        { { false, true, false, true, "S" }, none, none, "", "Cmd+Sft    S    " },
        { { true, false, true, false, "page up" }, none, none, "", "Ctl+Alt  pageup " },
        { { true, true, false, true, "A" }, none, none, "", "Cm+Ct+Sf   A    " },
        { { true, true, true, true, "A" }, none, none, "", "CmCtSfAl   A    " },
        { { false, false, false, false, "page up" }, none, none, "", " pageup         " },
        { { true, false, false, false, "C" }, { false, true, false, true, "page up" }, none, "", "cC msP          " },
        { { false, false, false, false, "A" }, { true, false, false, false, "B" }, { false, true, true, false, "c" }, "",
          "A cB saC        " },
        { { true, false, false, false, "C" }, none, none, "Rename", " Rename         " },
        { none, none, none, "", "                " },
    };
    for (const auto& c : cases)
        EXPECT_EQ (Defa::getHotkeyText (c.c1.ctrl, c.c1.shift, c.c1.alt, c.c1.cmd, c.c1.key,
                                        c.c2.ctrl, c.c2.shift, c.c2.alt, c.c2.cmd, c.c2.key,
                                        c.c3.ctrl, c.c3.shift, c.c3.alt, c.c3.cmd, c.c3.key, c.name, 1),
                   c.lcd)
            << c.lcd;
}

TEST (DisplayTexts, MidiNames)
{
    struct Case
    {
        int nibble, chan, value;
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        { 14, 3, 64, "", "PB3" }, { 9, 1, 60, "", " C4" }, { 11, 1, 7, "Track", "Track" }, { 11, 1, 7, "", "CC7" },
        { 12, 2, 5, "", "PC5" }, { 0, 1, 5, "", "" }, { 9, 1, -1, "", "Note" }, { 3, 1, 61, "", "C#4" },
        // beyond the note table: no name read past its end
        { 9, 1, 128, "", "Note" }, { 9, 1, 100000, "", "Note" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (Defa::getMidiName (c.nibble, c.chan, c.value, c.name), c.text) << c.nibble << "/" << c.value;
}

TEST (DisplayTexts, SendingTextOfControlNodes)
{
    auto node = [] (const char* valueType, const juce::String& name) {
        juce::ValueTree ctl (Tags::ctl);
        ctl.setProperty (Tags::valueType, valueType, nullptr);
        ctl.setProperty (Tags::name, name, nullptr);
        return ctl;
    };

    auto hotkey = node ("hotkey", "");
    hotkey.setProperty (Tags::ctrl, 1, nullptr);
    hotkey.setProperty (Tags::keyName, "C", nullptr);
    EXPECT_EQ (Defa::getFormattedSendingText (hotkey), " Ctrl C " + blanks8);
    hotkey.setProperty (Tags::shift2, 1, nullptr);
    hotkey.setProperty (Tags::keyName2, "page down", nullptr);
    EXPECT_EQ (Defa::getFormattedSendingText (hotkey), " cC sP  " + blanks8);

    auto midi = node ("midi", "");
    midi.setProperty (Tags::type, "cc", nullptr);
    midi.setProperty (Tags::chan, 1, nullptr);
    midi.setProperty (Tags::value, 7, nullptr);
    EXPECT_EQ (Defa::getFormattedSendingText (midi), "  CC7   " + blanks8);
    midi.setProperty (Tags::type, "nil", nullptr); // reads as a note
    midi.setProperty (Tags::value, 60, nullptr);
    EXPECT_EQ (Defa::getFormattedSendingText (midi), "   C4   " + blanks8);
    midi.setProperty (Tags::name, "Kick", nullptr);
    EXPECT_EQ (Defa::getFormattedSendingText (midi), "  Kick  " + blanks8);

    EXPECT_EQ (Defa::getFormattedSendingText (node ("func", "Dupli- cate")), " Dupli-   cate  ");
    EXPECT_EQ (Defa::getFormattedSendingText (node ("nil", "Scrub")), " Scrub  " + blanks8);
    EXPECT_EQ (Defa::getFormattedSendingText (juce::ValueTree()), blanks8 + blanks8);
}

TEST (DisplayTexts, SendingTextIsAlwaysSixteenAllowedCharacters)
{
    // names from a hand-edited file may hold anything
    const std::pair<juce::String, juce::String> cases[] = {
        { utf8 ("Caf\xc3\xa9"), "  Caf?  " + blanks8 },
        { utf8 ("\xf0\x9f\x8e\xb9 Keys"), " ? Keys " + blanks8 },
        { "A\tB", "  A B   " + blanks8 },
        { "Line\nTwo", "Line Two" + blanks8 }, // no word break, but no LCD character either
        { utf8 ("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"),
          "????????????????" },
    };
    for (const auto& [name, lcd] : cases)
    {
        juce::ValueTree ctl (Tags::ctl);
        ctl.setProperty (Tags::valueType, "func", nullptr);
        ctl.setProperty (Tags::name, name, nullptr);
        const auto text = Defa::getFormattedSendingText (ctl);
        EXPECT_EQ (text.length(), lcdTextLength);
        EXPECT_TRUE (onlyAllowedChars (text)) << text;
        EXPECT_EQ (text, lcd);
    }
}
