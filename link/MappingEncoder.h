#pragma once

#include "LinkState.h"
#include "model/CtlStore.h"

namespace NsDorna
{
// The slot's send flags (daw1..daw3), as carried by the transport records.
using SendFlags = std::array<int, 3>;

// What one slot encodes into: its records, its mapping block and its 80 LCD texts.
struct SlotEncoding
{
    SlotRecords& records;
    std::vector<uint8_t>& block;
    juce::StringArray& texts;
};

// Encodes slot s of the store: factory records of its mode, overwritten from the mapping.
void encodeSlot (const CtlStore& store, int slot, const SendFlags& sendFlags, SlotEncoding out);

// Packs 7-byte records into 8-byte wire records; the status byte travels as two nibbles.
void packWireRecords (const SlotRecords& records, std::vector<uint8_t>& block);

// 1 for "Wheel Up" (spaces and case ignored), 2 for anything else.
int wheelString2value (const juce::String& name);

// Re-encodes every slot whose bChged is set, from the host's tree.
void updateArrayOfDataAndTexts();
} // namespace NsDorna
