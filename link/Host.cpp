#include "HostImpl.h"

#include "LinkState.h"
#include "MappingFile.h"
#include "model/ModelState.h"

namespace NsDorna
{
JUCE_IMPLEMENT_SINGLETON (Host)

namespace
{
const juce::String stateKey { "state" };

std::optional<SettingsLocation>& locationForNewHosts()
{
    static std::optional<SettingsLocation> where;
    return where;
}

// The host that controlIsHuiFixedButton asks for the current mode.
Host* modeHost = nullptr;

// g_slotSendSettings from the slots' daw1..daw3 (absent flags read as 0).
void copySendSettings (juce::ValueTree tree)
{
    const CtlStore store (tree);
    for (int s = MyConf::baseSlotID; s <= MyConf::maxSlotID; ++s)
    {
        const auto slot = store.getSlot (s);
        for (int k = 0; k < 3; ++k)
            g_slotSendSettings[(size_t) s][(size_t) k] = slot.getProperty (Tags::daw (k));
    }
}
} // namespace

//==============================================================================
Host::Impl::Impl (SettingsLocation where) : Settings (std::move (where)), tree (CtlStore().getState())
{
    tree.addListener (this);
    restoreSettings();
}

Host::Impl::~Impl()
{
    stopTimer();
    tree.removeListener (this);
}

void Host::Impl::restoreSettings()
{
    bool restored = false;
    if (const auto xml = getCommonSettings().getXmlValue (stateKey))
    {
        if (xml->getStringAttribute (Tags::ver) == MyConf::version)
        {
            auto reading = MappingFile::fromXml (*xml);
            if (reading.result.wasOk())
            {
                replaceTree (reading.tree, false);
                copySendSettings (tree);
                bChged = { true, true, true };
                restored = true;
                treeIsStored = true;
            }
        }
    }

    if (! restored)
        keepBackup();
}

juce::Result Host::Impl::saveSettings()
{
    if (treeIsStored && ! pending)
        return juce::Result::ok(); // the file holds the tree already: no need to build its XML

    const auto xml = tree.createXml();
    if (xml == nullptr)
        return juce::Result::ok();

    getCommonSettings().setValue (stateKey, xml.get());
    auto r = saveIfNeeded();
    if (r.wasOk())
    {
        pending = false;
        treeIsStored = true;
        stopTimer();
    }
    return r;
}

juce::ValueTree Host::Impl::getTreeBySlot (int slot) const
{
    return checkSlotIndex() (slot) ? tree.getChild (slot) : juce::ValueTree();
}

void Host::Impl::replaceTree (juce::ValueTree newTree, bool isChange)
{
    tree.removeListener (this);
    tree = newTree;
    tree.addListener (this);
    if (isChange)
        noteChange();
}

void Host::Impl::setAutosaveDelays (int quiet, int latest)
{
    quietMs = juce::jmax (1, quiet);
    latestMs = juce::jmax (quietMs, latest);
    if (pending)
        scheduleSave();
}

void Host::Impl::noteChange()
{
    const auto now = juce::Time::getMillisecondCounter();
    if (! pending)
    {
        pending = true;
        firstChange = now;
    }
    lastChange = now;
    scheduleSave();
}

void Host::Impl::scheduleSave()
{
    const auto due = juce::jmin (lastChange + (juce::uint32) quietMs, firstChange + (juce::uint32) latestMs);
    const auto now = juce::Time::getMillisecondCounter();
    startTimer (due > now ? (int) (due - now) : 1);
}

void Host::Impl::timerCallback()
{
    stopTimer();
    if (! pending)
        return;

    const auto now = juce::Time::getMillisecondCounter();
    const auto due = juce::jmin (lastChange + (juce::uint32) quietMs, firstChange + (juce::uint32) latestMs);
    if (now < due)
    {
        scheduleSave();
        return;
    }

    if (saveSettings().failed())
        startTimer (retryMs); // still pending: tried again later and at close
}

//==============================================================================
Host::Host() : Host (locationForNewHosts().value_or (Settings::standardLocation())) {}

Host::Host (SettingsLocation where) : impl (std::make_unique<Impl> (std::move (where)))
{
    modeHost = this;
    setCurrentModeSource ([] { return modeHost != nullptr ? modeHost->getCtlStore().getCtlMode() : CtlMode(); });
}

Host::~Host()
{
    saveSettings();
    if (modeHost == this)
        modeHost = nullptr;
    impl.reset();
    clearSingletonInstance();
}

void Host::setSettingsLocationForNewHosts (std::optional<SettingsLocation> where)
{
    locationForNewHosts() = std::move (where);
}

CtlStore Host::getCtlStore() { return CtlStore (impl->tree); }

juce::ValueTree Host::getCurrentMap() { return impl->tree; }

int Host::getCurrSlotIndex() const { return impl->tree.getProperty (Tags::current, MyConf::defaSlotID); }

void Host::setSlotIndex (int slot)
{
    if (checkSlotIndex() (slot))
        impl->tree.setProperty (Tags::current, slot, nullptr);
}

CtlMode Host::getCtlModeOfSlot (int slot) const
{
    return CtlMode ((int) impl->getTreeBySlot (slot).getProperty (Tags::current, 0));
}

juce::Result Host::saveCurrentMapping (const juce::File& file) { return MappingFile::write (impl->tree, file); }

juce::Result Host::openFile (const juce::File& file)
{
    auto reading = MappingFile::read (file);
    if (reading.result.failed())
        return reading.result;
    applyLoaded (reading.tree);
    return juce::Result::ok();
}

juce::Result Host::openMapping (const juce::XmlElement& xml)
{
    auto reading = MappingFile::fromXml (xml);
    if (reading.result.failed())
        return juce::Result::fail (juce::String (MappingFile::loadFailed) + ": " + reading.result.getErrorMessage());
    applyLoaded (reading.tree);
    return juce::Result::ok();
}

void Host::applyLoaded (juce::ValueTree loaded)
{
    g_iSlot = getCurrSlotIndex();
    loaded.setProperty (Tags::current, g_iSlot, nullptr);
    // The file passed every check of this version's schema; stamped, it survives the next start.
    loaded.setProperty (Tags::ver, MyConf::version, nullptr);
    impl->replaceTree (loaded, true);
    copySendSettings (loaded);
    bChged = { true, true, true };
}

void Host::setCurrentOutputDevice (const juce::String& name) { impl->currentOutputDevice = name; }

juce::String Host::getCurrentOutputDevice() const { return impl->currentOutputDevice; }

void Host::updGroupForUsedFuncs()
{
    const int slot = getCurrSlotIndex();
    if (! checkSlotIndex() (slot))
        return;
    const int mode = getCtlModeOfSlot (slot);
    if (! checkModeIndex() (mode))
        return;

    const auto modeNode = impl->getTreeBySlot (slot).getChild (mode - 1);
    g_usedFuncStrings = g_existingFuncs;
    for (const auto& ctl : modeNode)
    {
        if (ctl.getProperty (Tags::valueType).toString() != CtlValueType::slugForType (CtlValueType::func))
            continue;
        const auto name = ctl.getProperty (Tags::name).toString().trim();
        if (name.isNotEmpty())
            g_usedFuncStrings.add (name);
    }
}

juce::Result Host::saveSettings() { return impl->saveSettings(); }

void Host::setAutosaveDelays (int quietMs, int latestMs) { impl->setAutosaveDelays (quietMs, latestMs); }

bool Host::hasUnsavedChanges() const { return impl->hasUnsavedChanges(); }

void quit() { juce::MessageManager::getInstance()->stopDispatchLoop(); }
} // namespace NsDorna
