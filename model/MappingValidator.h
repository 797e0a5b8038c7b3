#pragma once

#include <juce_data_structures/juce_data_structures.h>

namespace NsDorna
{
// Checks that a tree is a whole mapping: root "slots" with 3 slots of 18 modes of 226 controls,
// ids matching their places, and every property the editor reads in its range. The first
// problem found is named with its place, e.g. "Slot 2, mode cubase, control 117: 'chan' is 19,
// must be 0–16" (slots counted from 1, as the editor shows them). Touches nothing.
juce::Result validateMappingTree (const juce::ValueTree& root);

// Turns XML into a mapping tree and checks it. XML text between the elements, which a tree
// cannot hold, is refused too. `tree` is set only when the result is ok.
juce::Result mappingFromXml (const juce::XmlElement& xml, juce::ValueTree& tree);
} // namespace NsDorna
