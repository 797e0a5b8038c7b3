#pragma once

#include <juce_core/juce_core.h>

// Node types and property names of the mapping tree, each declared once.
namespace Tags
{
inline const juce::Identifier slots { "slots" };
inline const juce::Identifier slot { "slot" };
inline const juce::Identifier mode { "mode" }; // node type, and the slug property of a mode node
inline const juce::Identifier ctl { "ctl" };

inline const juce::Identifier current { "current" };
inline const juce::Identifier ver { "ver" };
inline const juce::Identifier id { "id" };
inline const juce::Identifier daw1 { "daw1" };
inline const juce::Identifier daw2 { "daw2" };
inline const juce::Identifier daw3 { "daw3" };
inline const juce::Identifier protocol { "protocol" };

inline const juce::Identifier kind { "kind" };
inline const juce::Identifier valueType { "valueType" };
inline const juce::Identifier value { "value" };
inline const juce::Identifier name { "name" };
inline const juce::Identifier lockBy { "lockBy" };
inline const juce::Identifier ctrl { "ctrl" };
inline const juce::Identifier shift { "shift" };
inline const juce::Identifier alt { "alt" };
inline const juce::Identifier cmd { "cmd" };
inline const juce::Identifier key { "key" };
inline const juce::Identifier keyName { "keyName" };
inline const juce::Identifier type { "type" };
inline const juce::Identifier chan { "chan" };
inline const juce::Identifier rotate { "rotate" };
inline const juce::Identifier val1 { "val1" };
inline const juce::Identifier val2 { "val2" };
inline const juce::Identifier diyNameQ { "diyNameQ" };
inline const juce::Identifier ctrl2 { "ctrl2" };
inline const juce::Identifier shift2 { "shift2" };
inline const juce::Identifier alt2 { "alt2" };
inline const juce::Identifier cmd2 { "cmd2" };
inline const juce::Identifier key2 { "key2" };
inline const juce::Identifier keyName2 { "keyName2" };
inline const juce::Identifier ctrl3 { "ctrl3" };
inline const juce::Identifier shift3 { "shift3" };
inline const juce::Identifier alt3 { "alt3" };
inline const juce::Identifier cmd3 { "cmd3" };
inline const juce::Identifier key3 { "key3" };
inline const juce::Identifier keyName3 { "keyName3" };

// The properties of one key combination (index 0, 1, 2 for the suffixes "", "2", "3").
struct Hotkey
{
    const juce::Identifier& ctrl;
    const juce::Identifier& shift;
    const juce::Identifier& alt;
    const juce::Identifier& cmd;
    const juce::Identifier& key;
    const juce::Identifier& keyName;
};

inline const Hotkey& hotkey (int index)
{
    static const Hotkey combos[3] = {
        { ctrl, shift, alt, cmd, key, keyName },
        { ctrl2, shift2, alt2, cmd2, key2, keyName2 },
        { ctrl3, shift3, alt3, cmd3, key3, keyName3 },
    };
    return combos[juce::jlimit (0, 2, index)];
}

// The slot node's send flags, for slots 0, 1, 2.
inline const juce::Identifier& daw (int slotIndex)
{
    static const juce::Identifier* flags[3] = { &daw1, &daw2, &daw3 };
    return *flags[juce::jlimit (0, 2, slotIndex)];
}
} // namespace Tags
