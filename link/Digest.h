#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

// Digests by which the device tells whether it already holds a slot, and the
// marker byte in front of each LCD text.
namespace NsDorna
{
int digestForData (const std::vector<uint8_t>& bytes);
int digestForData (const std::vector<int>& values);
int digestForString (const juce::String& text);
int digestForTexts (const juce::StringArray& texts);
// The slot digest: of the mapping block's digest and the text block's digest.
int digestForSlot (const std::vector<uint8_t>& mappingBlock, const juce::StringArray& texts);
inline int getFinalDigest (int digest) { return digest & 0x7F; }

bool isJstrLinesNumEvenP (const juce::String& text);
bool isJstrLine1EvenP (const juce::String& text);
bool isJstrLine2EvenP (const juce::String& text);
// The marker character (1..7) followed by the 16-character LCD text.
juce::String addFrontByteForText (const juce::String& text);
} // namespace NsDorna
