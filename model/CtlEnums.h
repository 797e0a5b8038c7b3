#pragma once

#include <juce_core/juce_core.h>

namespace NsDorna
{
// Operating mode of a slot: one per DAW; mode 3 speaks HUI, every other value Mackie Control.
class CtlMode
{
public:
    enum ID
    {
        nil = 0,
        bitwig, cubase, proTools, logic, live, reaper, reason, studioOne, flStudio,
        cakewalk, digitalPerformer, samplitude, harrison, nuendo, audition, tracktion, ability, luna
    };

    CtlMode() = default;
    CtlMode (int v) : value (v) {}
    operator int() const noexcept { return value; }

    bool isMack() const noexcept { return value != proTools; }
    bool isValid() const noexcept { return value >= bitwig && value <= luna; }
    juce::String getSlug() const { return slugForType (value); }
    juce::String getName() const { return nameForType (value); }

    static juce::String slugForType (int v);
    static juce::String nameForType (int v);

private:
    int value = nil;
};

// Kind of a control.
class CtlType
{
public:
    enum ID { keyboard = 0, pad, knob, fader, button, pedal, other };

    CtlType (int v) : value (v) {}
    // Unchanged text; "jog-wheel"/"jogWheel" read as other, anything unknown as button.
    explicit CtlType (const juce::String& text);

    int getType() const noexcept { return value; }
    juce::String getSlug() const { return slugForType (value); }
    static juce::String slugForType (int v);

private:
    int value;
};

// Kind of a MIDI message.
class MsgType
{
public:
    enum ID { note = 0, cc, program, pitch, null };

    MsgType (int v) : value (v) {}
    // Trimmed, case-insensitive; anything unknown reads as note.
    explicit MsgType (const juce::String& text);

    int getType() const noexcept { return value; }
    juce::String getSlug() const { return slugForType (value); }
    juce::String getName() const { return nameForType (value); }
    // The MIDI status nibble (9, 11, 12, 14; 0 for null and anything unknown).
    int getTypeValue() const noexcept;

    static juce::String slugForType (int v);
    static juce::String nameForType (int v);

private:
    int value;
};

// Kind of mapping a control carries.
class CtlValueType
{
public:
    enum ID { func = 0, hotkey, midi, mouse, hui, null };

    CtlValueType() = default;
    CtlValueType (ID v) : value (v) {}
    // Trimmed, case-sensitive; anything unknown ("nil" too) reads as null.
    explicit CtlValueType (const juce::String& text);
    CtlValueType (const CtlValueType&) = default;
    CtlValueType& operator= (const CtlValueType&) = default;

    bool operator== (const CtlValueType& other) const noexcept { return value == other.value; }
    bool operator== (int other) const noexcept { return value == other; }
    bool operator!= (const CtlValueType& other) const noexcept { return value != other.value; }
    bool operator!= (int other) const noexcept { return value != other; }
    operator int() const noexcept { return value; }

    int getType() const noexcept { return value; }
    juce::String getSlug() const { return slugForType (value); }
    static juce::String slugForType (int v);

private:
    int value = null;
};
} // namespace NsDorna
