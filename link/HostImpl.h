#pragma once

#include "Host.h"

#include <juce_events/juce_events.h>

namespace NsDorna
{
// The host's state: the settings, the tree and the output port's name. It watches the tree and
// saves it a short quiet time after changes; it re-attaches whenever the tree is replaced.
class Host::Impl : public Settings, private juce::ValueTree::Listener, private juce::Timer
{
public:
    explicit Impl (SettingsLocation where);
    ~Impl() override;

    // Reads the tree from the settings: kept when it has this version and is a valid mapping
    // (all slots are then marked changed); otherwise the factory tree stays and a copy of the
    // settings file is kept beside it before it is ever written over.
    void restoreSettings();
    juce::Result saveSettings();

    juce::ValueTree getTreeBySlot (int slot) const;
    // Makes `newTree` the tree; when `isChange`, it is saved soon like any edit.
    void replaceTree (juce::ValueTree newTree, bool isChange);

    void setAutosaveDelays (int quietMs, int latestMs);
    bool hasUnsavedChanges() const noexcept { return pending; }

    juce::ValueTree tree;
    juce::String currentOutputDevice;

private:
    void noteChange();
    void scheduleSave();
    void timerCallback() override;

    void valueTreePropertyChanged (juce::ValueTree&, const juce::Identifier&) override { noteChange(); }
    void valueTreeChildAdded (juce::ValueTree&, juce::ValueTree&) override { noteChange(); }
    void valueTreeChildRemoved (juce::ValueTree&, juce::ValueTree&, int) override { noteChange(); }
    void valueTreeChildOrderChanged (juce::ValueTree&, int, int) override { noteChange(); }

    int quietMs = 2000, latestMs = 5000;
    static constexpr int retryMs = 10000;
    bool pending = false;      // changed since last stored
    bool treeIsStored = false; // the settings hold the tree as it is now (when nothing is pending)
    juce::uint32 firstChange = 0, lastChange = 0;
};
} // namespace NsDorna
