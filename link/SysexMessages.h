#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <cstdint>
#include <vector>

// The mapping protocol's messages. Every data byte is kept below 0x80.
namespace NsDorna
{
namespace Cmd
{
constexpr uint8_t digestQuery = 0x21;
constexpr uint8_t digestStore = 0x24;
constexpr uint8_t dataPart = 0x25;
constexpr uint8_t textPart = 0x26;
constexpr uint8_t hostPlatform = 42;
} // namespace Cmd

// F0 1D 03 pH pL 00 00 7F F7: the template every message starts from.
inline constexpr uint8_t preSend[9] = { 0xF0, 0x1D, 0x03, 0x10, 0x06, 0x00, 0x00, 0x7F, 0xF7 };

namespace Messages
{
constexpr int startSize() { return 9; }
constexpr int sizeOfSendPartDataCmd = 40 * 8 + 10;         // 330
constexpr int sizeOfSendLastPartDataCmd = (226 % 40) * 8 + 10; // 218
constexpr int sizeOfSendPartTextCmd = 16 * 17 + 10;        // 282
} // namespace Messages

// Slot in bits 5–6, mode in bits 0–4; minMode is 1 for data and text parts, 0 for digests.
uint8_t slotModeByte (int slot, int mode, int minMode);

juce::MidiMessage makeDigestMessage (int pid, int slot, int mode, int digest, uint8_t command);
juce::MidiMessage makeDataPart (int pid, int slot, int mode, const std::vector<uint8_t>& mappingBlock, int part);
juce::MidiMessage makeTextPart (int pid, int slot, int mode, const juce::StringArray& texts, int part);

// EF 7F 7F, sent before every message with an odd packet count.
juce::MidiMessage midiExtra();
// EC 2A v: tells the device whether its host is a Mac.
juce::MidiMessage hostPlatformMessage (uint8_t value);

// Packets of three bytes a message takes on the wire.
inline int midiMsg2midiNum (const juce::MidiMessage& m) { return (m.getRawDataSize() + 2) / 3; }
} // namespace NsDorna
