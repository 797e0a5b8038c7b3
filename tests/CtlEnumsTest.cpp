#include "model/CtlEnums.h"

#include <gtest/gtest.h>

using namespace NsDorna;

TEST (CtlEnums, ModesSlugsAndNames)
{
    EXPECT_TRUE (CtlMode (0).isMack());
    EXPECT_FALSE (CtlMode (0).isValid());
    EXPECT_FALSE (CtlMode (3).isMack());
    EXPECT_TRUE (CtlMode (18).isValid());
    EXPECT_FALSE (CtlMode (19).isValid());

    EXPECT_EQ (CtlMode::nameForType (18), "luna");
    EXPECT_EQ (CtlMode::slugForType (18), "luna");
    EXPECT_EQ (CtlMode (3).getSlug(), "pro-tools");
    EXPECT_EQ (CtlMode (3).getName(), "Pro tools");
    EXPECT_EQ (CtlMode (15).getName(), "Adobe audition");
    for (int out : { 0, 19, -1 })
    {
        EXPECT_EQ (CtlMode::slugForType (out), "");
        EXPECT_EQ (CtlMode::nameForType (out), "");
    }
}

TEST (CtlEnums, TextConstructorsFollowTheirOwnRules)
{
    // MsgType trims and ignores case, unknown → note.
    const std::pair<const char*, int> msgs[] = { { " cc ", 1 }, { "CC", 1 }, { "Pitch", 3 }, { "null", 4 },
                                                 { "nil", 0 }, { "", 0 }, { "program", 2 } };
    for (auto [text, v] : msgs)
        EXPECT_EQ (MsgType (juce::String (text)).getType(), v) << text;

    // CtlValueType trims but keeps case, unknown → null.
    const std::pair<const char*, int> vts[] = { { " midi ", 2 }, { "MIDI", 5 }, { "nil", 5 }, { "func", 0 },
                                                { "hui", 4 }, { "", 5 } };
    for (auto [text, v] : vts)
        EXPECT_EQ (CtlValueType (juce::String (text)).getType(), v) << text;

    // CtlType compares unchanged text, unknown → button.
    const std::pair<const char*, int> kinds[] = { { "jogWheel", 6 }, { "jog-wheel", 6 }, { "other", 4 },
                                                  { "Knob", 4 }, { " knob", 4 }, { "knob", 2 },
                                                  { "pedal", 5 }, { "keyboard", 0 }, { "pad", 1 } };
    for (auto [text, v] : kinds)
        EXPECT_EQ (CtlType (juce::String (text)).getType(), v) << text;
}

TEST (CtlEnums, MessageKindsAndValueTypes)
{
    const int nibbles[] = { 9, 11, 12, 14, 0 };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (MsgType (i).getTypeValue(), nibbles[i]);
    EXPECT_EQ (MsgType (2).getName(), "Program Change");
    EXPECT_EQ (MsgType::slugForType (5), "");

    EXPECT_EQ (CtlValueType().getType(), CtlValueType::null);
    CtlValueType v (CtlValueType::hotkey);
    EXPECT_TRUE (v == 1);
    EXPECT_TRUE (v == CtlValueType (juce::String ("hotkey")));
    EXPECT_EQ ((int) v, 1);
    EXPECT_EQ (v.getSlug(), "hotkey");
    EXPECT_EQ (CtlValueType::slugForType (6), "");
    EXPECT_EQ (CtlType::slugForType (6), "other");
    EXPECT_EQ (CtlType::slugForType (7), "");
}
