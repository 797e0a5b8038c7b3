#include "CtlEnums.h"

namespace NsDorna
{
namespace
{
juce::String entry (const juce::StringArray& table, int index)
{
    return juce::isPositiveAndBelow (index, table.size()) ? table[index] : juce::String();
}

const juce::StringArray& modeSlugs()
{
    static const juce::StringArray t { "", "bitwig", "cubase", "pro-tools", "logic", "live", "reaper",
                                       "reason", "studio-one", "fl-studio", "cakewalk", "digital-performer",
                                       "samplitude", "harrison", "nuendo", "audition", "tracktion",
                                       "ability", "luna" };
    return t;
}

const juce::StringArray& modeNames()
{
    static const juce::StringArray t { "", "Bitwig", "Cubase", "Pro tools", "Logic Pro", "Ableton Live",
                                       "Reaper", "Reason", "Studio one", "FL Studio", "Cakewalk",
                                       "Digital Performer", "Samplitude", "Harrison", "Nuendo",
                                       "Adobe audition", "Tracktion", "Ability", "luna" };
    return t;
}

const juce::StringArray& ctlTypeSlugs()
{
    static const juce::StringArray t { "keyboard", "pad", "knob", "fader", "button", "pedal", "other" };
    return t;
}

const juce::StringArray& msgSlugs()
{
    static const juce::StringArray t { "note", "cc", "program", "pitch", "null" };
    return t;
}

const juce::StringArray& msgNames()
{
    static const juce::StringArray t { "Note", "CC", "Program Change", "Pitch Bend", "null" };
    return t;
}

const juce::StringArray& valueTypeSlugs()
{
    static const juce::StringArray t { "func", "hotkey", "midi", "mouse", "hui", "null" };
    return t;
}
} // namespace

juce::String CtlMode::slugForType (int v) { return entry (modeSlugs(), v); }
juce::String CtlMode::nameForType (int v) { return entry (modeNames(), v); }

CtlType::CtlType (const juce::String& text)
{
    if (text == "button") value = button;
    else if (text == "keyboard") value = keyboard;
    else if (text == "pad") value = pad;
    else if (text == "pedal") value = pedal;
    else if (text == "knob") value = knob;
    else if (text == "fader") value = fader;
    else if (text == "jog-wheel" || text == "jogWheel") value = other;
    else value = button;
}

juce::String CtlType::slugForType (int v) { return entry (ctlTypeSlugs(), v); }

MsgType::MsgType (const juce::String& text)
{
    const auto i = msgSlugs().indexOf (text.trim().toLowerCase());
    value = i >= 0 ? i : note;
}

int MsgType::getTypeValue() const noexcept
{
    static constexpr int nibbles[] = { 9, 11, 12, 14, 0 };
    return juce::isPositiveAndBelow (value, 5) ? nibbles[value] : 0;
}

juce::String MsgType::slugForType (int v) { return entry (msgSlugs(), v); }
juce::String MsgType::nameForType (int v) { return entry (msgNames(), v); }

CtlValueType::CtlValueType (const juce::String& text)
{
    const auto i = valueTypeSlugs().indexOf (text.trim(), false);
    value = i >= 0 ? i : null;
}

juce::String CtlValueType::slugForType (int v) { return entry (valueTypeSlugs(), v); }
} // namespace NsDorna
