#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// How the simulated Dorna reads what the host sends it: every message classified and checked.
namespace NsDorna::sim
{
namespace Wire
{
constexpr int recordBytes = 8;
constexpr int numRecords = 226;
constexpr int mappingBlockBytes = numRecords * recordBytes; // 1808
constexpr int textBytes = 17;                                // marker and 16 characters
constexpr int numTexts = 80;
constexpr int textBlockBytes = numTexts * textBytes;         // 1360
constexpr int recordsPerDataPart = 40;
constexpr int textsPerTextPart = 16;
constexpr int numDataParts = 6;
constexpr int numTextParts = 5;

constexpr int cmdDigestQuery = 0x21;
constexpr int cmdDigestStore = 0x24;
constexpr int cmdDataPart = 0x25;
constexpr int cmdTextPart = 0x26;

// Reply notes (Note On, channel 11).
constexpr int replyStatus = 0x9A;
constexpr int noteDigest = 0x21;
constexpr int noteData = 0x22;
constexpr int noteTexts = 0x23;
constexpr int negativeVelocity = 127;

int dataPartLength (int part); // 330, or 218 for part 6
constexpr int textPartLength = textsPerTextPart * textBytes + 10; // 282
} // namespace Wire

struct Inspected
{
    enum class Kind { filler, announcement, digestQuery, digestStore, dataPart, textPart, other };

    Kind kind = Kind::other;
    int slot = -1;
    int mode = -1;
    int part = 0;     // data and text parts
    int digest = -1;  // digest messages
    int value = -1;   // announcements
    bool wellFormed = false;
    bool forThisDevice = false; // SysEx with this device's header and product id
    juce::String problem; // the first fault found; empty when well formed
};

// Classifies one message sent to the device and checks it against the protocol for product pid.
Inspected inspect (const juce::MidiMessage& message, int pid);

juce::String kindName (Inspected::Kind kind);
} // namespace NsDorna::sim
