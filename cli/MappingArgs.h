#pragma once

#include "Commands.h"

#include "link/MappingFile.h"

#include <optional>

// What encode and send share: a mapping file and a slot index.
namespace KorvelCli
{
struct MappingArgs
{
    juce::ValueTree tree;
    int slot = 0;
};

// Reads FILE and --slot N (the slot index 0–2); on a failure returns the exit status in `status`.
inline std::optional<MappingArgs> readMappingArgs (const char* command, const juce::StringArray& args,
                                                   const juce::StringArray& optionsWithValue, int& status)
{
    const auto files = positionals (args, optionsWithValue);
    const auto slotText = optionValue (args, "--slot");
    if (files.size() != 1 || slotText.isEmpty())
    {
        status = usageError (juce::String (command) + ": give one mapping file and --slot N");
        return std::nullopt;
    }
    if (! slotText.containsOnly ("0123456789") || ! juce::isPositiveAndBelow (slotText.getIntValue(), 3))
    {
        status = usageError (juce::String (command) + ": --slot takes a slot index 0, 1 or 2");
        return std::nullopt;
    }

    auto reading = NsDorna::MappingFile::read (juce::File::getCurrentWorkingDirectory().getChildFile (files[0]));
    if (reading.result.failed())
    {
        status = fail (reading.result.getErrorMessage());
        return std::nullopt;
    }
    return MappingArgs { reading.tree, slotText.getIntValue() };
}
} // namespace KorvelCli
