#pragma once

#include "MidiInputHandler.h"
#include "Settings.h"
#include "model/CtlStore.h"

#include <memory>
#include <optional>

namespace NsDorna
{
// The editor host: owns the one mapping tree, keeps it in the settings file between runs (saved
// a few seconds after changes and when the host closes), and reads and writes mapping files.
// One per process (getInstance); tests and tools may construct their own, pointed at a folder.
class Host
{
public:
    // Settings at the standard place, or where setSettingsLocationForNewHosts points.
    Host();
    explicit Host (SettingsLocation where);
    // Saves the settings.
    virtual ~Host();

    JUCE_DECLARE_SINGLETON (Host, true)

    // A store handle on the current tree; ask again after a file was loaded.
    CtlStore getCtlStore();
    juce::ValueTree getCurrentMap();
    int getCurrSlotIndex() const;
    // Slots outside 0–2 are ignored: the stored tree must stay loadable.
    void setSlotIndex (int slot);
    CtlMode getCtlModeOfSlot (int slot) const;

    // Writes the whole tree as a mapping file.
    juce::Result saveCurrentMapping (const juce::File& file);
    // Reads a mapping file. A file that is not a whole, valid mapping is refused with the reason
    // and changes nothing. A loaded file keeps the selected slot and marks all slots changed.
    juce::Result openFile (const juce::File& file);
    juce::Result openMapping (const juce::XmlElement& xml);

    void setCurrentOutputDevice (const juce::String& name);
    juce::String getCurrentOutputDevice() const;

    // Rebuilds g_usedFuncStrings: the fixed transport functions, then the names of the
    // functions in use in the current slot and mode.
    void updGroupForUsedFuncs();

    // Writes the tree to the settings file when it changed since it was read or last written.
    juce::Result saveSettings();
    // Changes are saved once the tree was quiet for quietMs, and at most latestMs after the
    // first unsaved change.
    void setAutosaveDelays (int quietMs, int latestMs);
    bool hasUnsavedChanges() const;

    // Where hosts made by Host() keep their settings (tests, tools); nullopt: the standard place.
    static void setSettingsLocationForNewHosts (std::optional<SettingsLocation> where);

    // The device link (link/Transfer.cpp): one transfer of a slot (outside 0–2: the current
    // slot), and the host-platform announcement (false while a transfer is under way).
    juce::Result sendCurrMappings (int slot);
    bool broadcastToTarget (int pid, juce::uint8 command, juce::uint8 value);

    // The device's ports and reply decoder; a new one on every connect or disconnect.
    using MidiInputHandler = NsDorna::MidiInputHandler;
    MidiInputHandler* getMidiInputHandler() const noexcept { return midiInputHandler.get(); }
    MidiInputHandler& replaceMidiInputHandler();

    // For the rest of the device link (link/HostImpl.h).
    class Impl;
    Impl& getImpl() noexcept { return *impl; }
    const Impl& getImpl() const noexcept { return *impl; }

private:
    void applyLoaded (juce::ValueTree loaded);

    std::unique_ptr<Impl> impl;
    std::unique_ptr<MidiInputHandler> midiInputHandler;

    JUCE_DECLARE_NON_COPYABLE (Host)
};

// Ends the message loop: the editor's quit key.
void quit();
} // namespace NsDorna
