#pragma once

#include "ControlIds.h"
#include "CtlEnums.h"
#include "Tags.h"

#include <juce_data_structures/juce_data_structures.h>

namespace NsDorna
{
// A handle on the mapping tree: 3 slots × 18 modes × 226 controls. Copies share the data.
class CtlStore
{
public:
    // A new tree with the skeleton and the factory mapping of every slot and mode.
    CtlStore();
    // Wraps an existing tree without touching it.
    explicit CtlStore (juce::ValueTree& tree);

    juce::ValueTree getState() const { return state; }

    int getSlotIndex() const;
    // slot −1: the current slot (root current, or 0 when absent).
    juce::ValueTree getSlot (int slot) const;
    CtlMode getModeOfSlot (int slot) const;
    CtlMode getCtlMode() const;
    juce::ValueTree getControlOfSlot (int cid, int slot) const;
    juce::ValueTree getControl (int cid) const;

    // Rebuilds the whole tree below the root.
    void addMissingProps();

    void setDefaValues();
    void setDefaValue();
    void setDefaValueForModeOfSlot (int slot, int mode);
    void reset() { setDefaValue(); }

private:
    juce::Identifier type { Tags::slots };
    juce::ValueTree state;
};

// Resets the mapping of one control node.
void clearProps (juce::ValueTree ctl);
} // namespace NsDorna
