#pragma once

#include <juce_core/juce_core.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

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

// ---- Mapping transfer: encoded blocks, digests, send flags and the device's replies ---------

constexpr int recordBytes = 7;
constexpr int wireRecordBytes = 8;
constexpr int mappingBlockBytes = 226 * wireRecordBytes; // 1808
constexpr int numOfLcdTexts = 80;
constexpr int lcdTextChars = 16;

using DeviceRecord = std::array<uint8_t, recordBytes>;
using SlotRecords = std::array<DeviceRecord, 226>;

// The device records of every slot, by record index.
inline std::array<SlotRecords, 3> arrCurrMode {};
// The blank LCD text (16 spaces) in its marker form.
inline juce::String nilLcdEntry() { return juce::String::charToString (7) + juce::String::repeatedString (" ", 16); }

// Each slot's 1808-byte mapping block, as sent.
inline std::array<std::vector<uint8_t>, 3> g_sendingDataForCurrMode = [] {
    std::array<std::vector<uint8_t>, 3> blocks;
    for (auto& b : blocks)
        b.assign ((size_t) mappingBlockBytes, 0);
    return blocks;
}();
// Each slot's 80 LCD texts: marker byte and 16 characters.
inline std::array<juce::StringArray, 3> g_flagsTextsForSlot = [] {
    std::array<juce::StringArray, 3> texts;
    for (auto& t : texts)
        for (int i = 0; i < numOfLcdTexts; ++i)
            t.add (nilLcdEntry());
    return texts;
}();
// Each slot's digest of its last encoding.
inline std::array<int, 3> g_currDigests {};
// Each slot's full digest at its last successful transfer; −1 before the first.
inline std::array<int, 3> g_lastSentDigests { -1, -1, -1 };

// The automatic sender has encoded the slot and still has to transfer it.
inline std::array<bool, 3> bToSend {};
// The automatic sender gave the slot up (device away); it goes out again when the device is back.
inline std::array<bool, 3> g_givenUp {};

// Reply statuses written by the MIDI input thread: 0xFF none, 0 negative, 1 positive.
constexpr uint8_t noReply = 0xFF;
inline std::atomic<uint8_t> checkingBit { noReply };
inline std::atomic<uint8_t> dataBit { noReply };
inline std::atomic<uint8_t> textsBit { noReply };
inline std::atomic<uint8_t> commonBit { noReply };

inline void resetStatusBits()
{
    checkingBit = noReply;
    dataBit = noReply;
    textsBit = noReply;
    commonBit = noReply;
}

// Names the port to use instead of the device's own choice (korvel-cli --port); empty: choose.
inline juce::String g_portOverride;
// Told each step of a transfer as it happens (korvel-cli prints them); empty: nobody listens.
inline std::function<void (const juce::String&)> g_transferLog;

class MyTimer;
// The device-link timer; created by the editor (or the CLI) and never deleted.
inline MyTimer* g_timer = nullptr;

} // namespace NsDorna

// The device link's flags.
namespace MyConf
{
constexpr int numOfPartDataSendingBtns = 40;
constexpr int numOfPartTextSendingBtns = 16;
constexpr int numOfDataParts = 225 / numOfPartDataSendingBtns + 1; // 6
constexpr int numOfTextParts = 79 / numOfPartTextSendingBtns + 1;  // 5

inline bool sendingQ = false;
inline bool autoSendQ = true;
inline int cntForResend = 1;
inline bool autoConnQ = true;
inline bool willConnQ = true;
inline bool bSentCmdMacQ = false;
inline int cntOfTheCmdMacQ = 0;
inline juce::StringArray lastDevcsList;
// The device's port was in the list at the last tick (slots given up meanwhile go out when it returns).
inline bool devicePresentQ = false;
} // namespace MyConf

namespace NsDorna
{
// ---- Reset ----------------------------------------------------------------------------------

inline void resetLinkState()
{
    g_pid = 2054;

    bChged = {};
    g_slotSendSettings = slotSendSettingsAtStart;
    g_iSlot = 0;
    g_usedFuncStrings.clear();

    for (int s = 0; s < 3; ++s)
    {
        arrCurrMode[(size_t) s] = {};
        g_sendingDataForCurrMode[(size_t) s].assign ((size_t) mappingBlockBytes, 0);
        g_flagsTextsForSlot[(size_t) s].clearQuick();
        for (int i = 0; i < numOfLcdTexts; ++i)
            g_flagsTextsForSlot[(size_t) s].add (nilLcdEntry());
    }
    g_currDigests = {};
    g_lastSentDigests = { -1, -1, -1 };
    bToSend = {};
    g_givenUp = {};
    resetStatusBits();
    g_portOverride.clear();
    g_transferLog = nullptr;
    MyConf::sendingQ = false;
    MyConf::autoSendQ = true;
    MyConf::cntForResend = 1;
    MyConf::autoConnQ = true;
    MyConf::willConnQ = true;
    MyConf::bSentCmdMacQ = false;
    MyConf::cntOfTheCmdMacQ = 0;
    MyConf::lastDevcsList.clear();
    MyConf::devicePresentQ = false;
}
} // namespace NsDorna
