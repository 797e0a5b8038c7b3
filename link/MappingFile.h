#pragma once

#include "Settings.h"

#include <juce_data_structures/juce_data_structures.h>

// Mapping files: the whole mapping tree as an XML document. A file is checked whole before
// anything uses it, so a wrong file is refused with the reason and never half-applied.
namespace NsDorna::MappingFile
{
// The editor's texts for a refused file and a failed save; a reason follows after ": ".
inline constexpr const char* loadFailed = "Could not load mapping data";
inline constexpr const char* noXmlToSave = "Could not save current mapping to disk";
inline constexpr const char* writeFailed = "Failed to write mapping file";

// A full mapping is a few megabytes; anything far beyond is not one.
inline constexpr juce::int64 maxFileBytes = 64 * 1024 * 1024;

// A checked mapping tree, or the reason there is none.
struct Reading
{
    juce::Result result = juce::Result::ok();
    juce::ValueTree tree;
};

// Reads a mapping file; the message of a refusal starts with loadFailed.
Reading read (const juce::File& file);
// Checks an XML element and turns it into a tree; the message is the validator's.
Reading fromXml (const juce::XmlElement& xml);

// Writes the whole tree, replacing the file only once the new one is written whole.
juce::Result write (const juce::ValueTree& tree, const juce::File& file, const WriteBytes& writeBytes = writeBytesToFile);

// One line naming each slot's mode: "slot 1 bitwig, slot 2 none, slot 3 pro-tools".
juce::String describeSlots (const juce::ValueTree& tree);
} // namespace NsDorna::MappingFile
