#pragma once

#include <juce_core/juce_core.h>

#include <array>

// Process-wide state of the device link and the editor host, kept together so tests can reset it.
// Each subsystem keeps its variables in its own section and resets them in resetLinkState().
namespace NsDorna
{
// ---- Device identity ------------------------------------------------------------------------

// Product id of the edited device (the Dorna's); the editor page sets it.
inline int g_pid = 2054;

// ---- Editor host (mapping tree, settings, mapping files) ------------------------------------

// Per slot: its mapping changed and is to be sent. Set by every edit of the slot, for all three
// slots after restoring the settings and after loading a mapping file; the sender clears it.
inline std::array<bool, 3> bChged {};

// Per slot, its daw1, daw2, daw3 send flags (a copy of the slot node's properties).
using SlotSendSettings = std::array<std::array<int, 3>, 3>;
inline constexpr SlotSendSettings slotSendSettingsAtStart { { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } } };
inline SlotSendSettings g_slotSendSettings = slotSendSettingsAtStart;

// Index of the current slot, 0–2.
inline int g_iSlot = 0;

// Names of the DAW functions in use in the current slot and mode (Host::updGroupForUsedFuncs).
inline juce::StringArray g_usedFuncStrings;

// The transport functions that have fixed buttons on the surface, with their Mackie notes.
inline const juce::StringArray g_existingFuncs { "Play", "Stop", "Record", "Rewind", "Fast Forward", "Loop" };
inline constexpr std::array<int, 6> g_existingFuncValues { 94, 93, 95, 91, 92, 86 };

// ---- Reset ----------------------------------------------------------------------------------

inline void resetLinkState()
{
    g_pid = 2054;

    bChged = {};
    g_slotSendSettings = slotSendSettingsAtStart;
    g_iSlot = 0;
    g_usedFuncStrings.clear();
}
} // namespace NsDorna
