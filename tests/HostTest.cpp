#include "link/HostImpl.h"
#include "link/LinkState.h"
#include "model/ModelState.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace NsDorna;

namespace
{
const std::array<bool, 3> allChanged { true, true, true };
const std::array<bool, 3> noneChanged {};

class HostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetLinkState();
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("korvel-host", "");
        ASSERT_TRUE (folder.createDirectory().wasOk());
        where = { folder.getChildFile ("shared/Arvix/Dorna/Dorna.conf"), folder.getChildFile ("user/Arvix/Dorna/Dorna.conf") };
    }

    void TearDown() override
    {
        folder.deleteRecursively();
        resetLinkState();
        resetModelState();
    }

    std::unique_ptr<Host> newHost() { return std::make_unique<Host> (where); }

    static juce::ValueTree factoryTree() { return CtlStore().getState(); }

    static void runLoop (int ms) { juce::MessageManager::getInstance()->runDispatchLoopUntil (ms); }

    juce::File backupOf (const juce::File& f, int n = 1) const
    {
        return f.getSiblingFile (f.getFileName() + ".bak" + (n > 1 ? juce::String (n) : juce::String()));
    }

    // A settings file holding `state` (and nothing else), written the way JUCE writes it.
    void writeSettings (const juce::String& state)
    {
        ASSERT_TRUE (where.shared.getParentDirectory().createDirectory().wasOk());
        juce::PropertiesFile file (where.shared, Settings::storageOptions());
        file.setValue ("state", state);
        ASSERT_TRUE (file.save());
    }

    juce::File folder;
    SettingsLocation where;
};
} // namespace

TEST_F (HostTest, FirstRunHasTheFactoryMappingAndNothingChanged)
{
    auto host = newHost();
    EXPECT_TRUE (host->getCurrentMap().isEquivalentTo (factoryTree()));
    EXPECT_EQ (bChged, noneChanged);
    EXPECT_FALSE (host->hasUnsavedChanges());
    EXPECT_EQ (host->getImpl().getSettingsFile(), where.shared);
    EXPECT_FALSE (backupOf (where.shared).exists());

    // Closing writes the settings, which the next run restores.
    host.reset();
    EXPECT_TRUE (where.shared.existsAsFile());
    auto next = newHost();
    EXPECT_TRUE (next->getCurrentMap().isEquivalentTo (factoryTree()));
    EXPECT_EQ (bChged, allChanged);
}

TEST_F (HostTest, RestoredSettingsMarkAllSlotsChanged)
{
    juce::ValueTree edited;
    {
        auto host = newHost();
        host->setSlotIndex (2);
        auto tree = host->getCurrentMap();
        tree.getChild (2).setProperty (Tags::current, 5, nullptr);
        tree.getChild (2).setProperty (Tags::daw1, 1, nullptr);
        host->getCtlStore().getControlOfSlot (101, 2).setProperty (Tags::name, "Mine", nullptr);
        edited = tree.createCopy();
        ASSERT_TRUE (host->saveSettings().wasOk());
    }
    resetLinkState();

    auto host = newHost();
    EXPECT_TRUE (host->getCurrentMap().isEquivalentTo (edited));
    EXPECT_EQ (bChged, allChanged);
    EXPECT_EQ (host->getCurrSlotIndex(), 2);
    EXPECT_EQ (host->getCtlModeOfSlot (2), 5);
    EXPECT_EQ (g_slotSendSettings[2], (std::array<int, 3> { 1, 0, 1 }));
    EXPECT_FALSE (host->hasUnsavedChanges());
}

TEST_F (HostTest, AnotherVersionGivesTheFactoryMappingNoFlagsAndABackup)
{
    {
        auto host = newHost();
        host->getCurrentMap().setProperty (Tags::ver, "1.31", nullptr);
        host->getCtlStore().getControlOfSlot (101, 0).setProperty (Tags::name, "Older", nullptr);
        ASSERT_TRUE (host->saveSettings().wasOk());
    }
    juce::MemoryBlock stored;
    ASSERT_TRUE (where.shared.loadFileAsData (stored));
    resetLinkState();

    auto host = newHost();
    EXPECT_TRUE (host->getCurrentMap().isEquivalentTo (factoryTree()));
    EXPECT_EQ (bChged, noneChanged);
    juce::MemoryBlock kept;
    EXPECT_TRUE (backupOf (where.shared).loadFileAsData (kept) && kept == stored);

    // Saving the factory mapping now leaves the copy as it was.
    host->getCtlStore().getControl (1).setProperty (Tags::chan, 2, nullptr);
    ASSERT_TRUE (host->saveSettings().wasOk());
    juce::MemoryBlock now;
    EXPECT_TRUE (where.shared.loadFileAsData (now) && now != stored);
    juce::PropertiesFile bak (backupOf (where.shared), Settings::storageOptions());
    const auto xml = bak.getXmlValue ("state");
    ASSERT_NE (xml, nullptr);
    EXPECT_EQ (xml->getStringAttribute (Tags::ver), "1.31");
}

TEST_F (HostTest, BadSettingsGiveTheFactoryMappingAndAreKeptBeside)
{
    // A good settings file, to be damaged in various ways.
    juce::MemoryBlock good;
    {
        auto host = newHost();
        host->getCtlStore().getControl (2).setProperty (Tags::chan, 9, nullptr);
        ASSERT_TRUE (host->saveSettings().wasOk());
        ASSERT_TRUE (where.shared.loadFileAsData (good));
    }
    auto badTree = factoryTree();
    CtlStore (badTree).getControlOfSlot (117, 1).setProperty (Tags::chan, 19, nullptr);

    struct Case
    {
        const char* what;
        std::function<void()> damage;
    };
    const Case cases[] = {
        { "junk", [&] { where.shared.replaceWithText ("\x01\x02 not a settings file"); } },
        { "cut in half", [&] { where.shared.replaceWithData (good.getData(), good.getSize() / 2); } },
        { "an empty file", [&] { where.shared.replaceWithText (""); } },
        { "state that is not XML", [&] { writeSettings ("<slots current=\"0\""); } },
        { "no state", [&] {
              juce::PropertiesFile file (where.shared, Settings::storageOptions());
              file.removeValue ("state");
              file.setValue ("something", "else");
              file.save();
          } },
        { "state that is not a mapping", [&] { writeSettings ("<slots ver=\"1.32\"/>"); } },
        { "a mapping with a bad value", [&] { writeSettings (badTree.toXmlString (juce::XmlElement::TextFormat().singleLine().withoutHeader())); } },
    };

    for (const auto& c : cases)
    {
        where.shared.replaceWithData (good.getData(), good.getSize());
        c.damage();
        juce::MemoryBlock damaged;
        ASSERT_TRUE (where.shared.loadFileAsData (damaged));
        resetLinkState();

        {
            auto host = newHost();
            EXPECT_TRUE (host->getCurrentMap().isEquivalentTo (factoryTree())) << c.what;
            EXPECT_EQ (bChged, noneChanged) << c.what;
            juce::MemoryBlock kept;
            EXPECT_TRUE (backupOf (where.shared).loadFileAsData (kept)) << c.what;
            EXPECT_TRUE (kept == damaged) << c.what;
            EXPECT_FALSE (backupOf (where.shared, 2).exists()) << c.what;
        }
        // Closed, it wrote good settings over the damaged ones; the copy stays.
        resetLinkState();
        auto next = newHost();
        EXPECT_EQ (bChged, allChanged) << c.what;
        juce::MemoryBlock kept;
        EXPECT_TRUE (backupOf (where.shared).loadFileAsData (kept) && kept == damaged) << c.what;
        next.reset();
        backupOf (where.shared).deleteFile();
    }
}

TEST_F (HostTest, ChangesAreSavedAfterAQuietTimeAndAtTheLatestAfterAFewSeconds)
{
    auto host = newHost();
    ASSERT_TRUE (host->saveSettings().wasOk());
    host->setAutosaveDelays (400, 1000);
    const auto stateOnDisk = [this] {
        juce::PropertiesFile file (where.shared, Settings::storageOptions());
        return juce::ValueTree::fromXml (file.getValue ("state"));
    };

    // One edit: saved once the tree was quiet for a moment.
    host->getCtlStore().getControl (3).setProperty (Tags::chan, 7, nullptr);
    EXPECT_TRUE (host->hasUnsavedChanges());
    runLoop (50);
    EXPECT_NE ((int) stateOnDisk().getChild (0).getChild (0).getChild (2).getProperty (Tags::chan), 7);
    runLoop (1000);
    EXPECT_FALSE (host->hasUnsavedChanges());
    EXPECT_TRUE (stateOnDisk().isEquivalentTo (host->getCurrentMap()));

    // Edits that never pause are saved all the same, at the latest after the longest delay.
    const auto start = juce::Time::getMillisecondCounter();
    bool savedWhileEditing = false;
    for (int i = 0; juce::Time::getMillisecondCounter() - start < 2500; ++i)
    {
        host->getCtlStore().getControl (4).setProperty (Tags::value, i % 100, nullptr);
        runLoop (40);
        savedWhileEditing = savedWhileEditing || ! host->hasUnsavedChanges();
    }
    EXPECT_TRUE (savedWhileEditing);
}

TEST_F (HostTest, EditsOfALoadedMappingAreSavedToo)
{
    auto host = newHost();
    host->setAutosaveDelays (50, 200);
    const auto file = folder.getChildFile ("m.korvel");
    ASSERT_TRUE (host->saveCurrentMapping (file).wasOk());
    ASSERT_TRUE (host->openFile (file).wasOk());
    EXPECT_TRUE (host->hasUnsavedChanges()); // a loaded file is kept like any edit
    runLoop (400);
    EXPECT_FALSE (host->hasUnsavedChanges());

    // The host watches the new tree, not the one it replaced.
    host->getCtlStore().getControl (5).setProperty (Tags::name, "New", nullptr);
    EXPECT_TRUE (host->hasUnsavedChanges());
    runLoop (400);
    EXPECT_FALSE (host->hasUnsavedChanges());

    resetLinkState();
    Host next (where);
    EXPECT_EQ (next.getCtlStore().getControl (5).getProperty (Tags::name).toString(), "New");
}

TEST_F (HostTest, AFailedSaveKeepsTheFileAndTheChangePending)
{
    auto host = newHost();
    ASSERT_TRUE (host->saveSettings().wasOk());
    const auto bytes = [this] {
        juce::MemoryBlock b;
        where.shared.loadFileAsData (b);
        return b;
    };
    const auto before = bytes();

    host->getImpl().setWriter ([] (const juce::File& f, const juce::MemoryBlock& d) {
        f.replaceWithData (d.getData(), d.getSize() / 3);
        return false;
    });
    host->getCtlStore().getControl (6).setProperty (Tags::chan, 3, nullptr);
    EXPECT_TRUE (host->saveSettings().failed());
    EXPECT_TRUE (host->hasUnsavedChanges());
    EXPECT_TRUE (bytes() == before);

    host->getImpl().setWriter (writeBytesToFile);
    EXPECT_TRUE (host->saveSettings().wasOk());
    EXPECT_FALSE (host->hasUnsavedChanges());
    EXPECT_FALSE (bytes() == before);
}

TEST_F (HostTest, AnUnwritableSharedFileKeepsTheSettingsInThePerUserFile)
{
    ASSERT_TRUE (folder.getChildFile ("shared").replaceWithText ("a file where a folder should be"));
    {
        auto host = newHost();
        EXPECT_EQ (host->getImpl().getSettingsFile(), where.perUser);
        host->getCtlStore().getControl (7).setProperty (Tags::chan, 4, nullptr);
    }
    EXPECT_TRUE (where.perUser.existsAsFile());
    resetLinkState();

    auto host = newHost();
    EXPECT_EQ ((int) host->getCtlStore().getControl (7).getProperty (Tags::chan), 4);
    EXPECT_EQ (bChged, allChanged);
}

TEST_F (HostTest, FunctionsInUseListTheTransportFunctionsThenTheModesFunctions)
{
    auto host = newHost();
    g_usedFuncStrings = { "left as it was" };
    host->updGroupForUsedFuncs(); // the current slot has no mode yet
    EXPECT_EQ (g_usedFuncStrings, juce::StringArray ({ "left as it was" }));

    host->setSlotIndex (1);
    host->getCurrentMap().getChild (1).setProperty (Tags::current, 4, nullptr);
    auto mode = host->getCurrentMap().getChild (1).getChild (3);
    for (auto ctl : mode)
        clearProps (ctl);
    const auto func = CtlValueType::slugForType (CtlValueType::func);
    const auto setFunc = [&] (int cid, const juce::String& name, const juce::String& valueType) {
        auto ctl = mode.getChild (cid - 1);
        ctl.setProperty (Tags::valueType, valueType, nullptr);
        ctl.setProperty (Tags::name, name, nullptr);
    };
    setFunc (120, "  Drop ", func);
    setFunc (101, "Track", func);
    setFunc (102, "Track", func);
    setFunc (103, "   ", func);
    setFunc (104, "Not a function", CtlValueType::slugForType (CtlValueType::midi));

    host->updGroupForUsedFuncs();
    EXPECT_EQ (g_usedFuncStrings, juce::StringArray ({ "Play", "Stop", "Record", "Rewind", "Fast Forward", "Loop", "Track", "Track", "Drop" }));
    EXPECT_EQ (g_existingFuncValues, (std::array<int, 6> { 94, 93, 95, 91, 92, 86 }));
}

TEST_F (HostTest, TheFixedHuiButtonsFollowTheHostsCurrentMode)
{
    auto host = newHost();
    auto tree = host->getCurrentMap();
    tree.getChild (0).setProperty (Tags::current, CtlMode::proTools, nullptr);
    tree.getChild (1).setProperty (Tags::current, CtlMode::logic, nullptr);

    host->setSlotIndex (0);
    EXPECT_TRUE (controlIsHuiFixedButton (111));
    EXPECT_TRUE (controlIsHuiFixedButton (102));
    EXPECT_FALSE (controlIsHuiFixedButton (113));
    host->setSlotIndex (1);
    EXPECT_FALSE (controlIsHuiFixedButton (111));

    // After a load the host answers from the new tree.
    host->setSlotIndex (0);
    const auto file = folder.getChildFile ("m.korvel");
    auto other = factoryTree();
    other.getChild (0).setProperty (Tags::current, CtlMode::cubase, nullptr);
    ASSERT_TRUE (other.createXml()->writeTo (file));
    ASSERT_TRUE (host->openFile (file).wasOk());
    EXPECT_FALSE (controlIsHuiFixedButton (111));

    host.reset();
    EXPECT_FALSE (controlIsHuiFixedButton (111));
}

TEST_F (HostTest, SlotLookupsOutsideTheSlotsGiveNothing)
{
    auto host = newHost();
    host->getCurrentMap().getChild (2).setProperty (Tags::current, 7, nullptr);
    EXPECT_EQ (host->getCtlModeOfSlot (2), 7);
    EXPECT_EQ (host->getCtlModeOfSlot (3), 0);
    EXPECT_EQ (host->getCtlModeOfSlot (-1), 0);
    EXPECT_FALSE (host->getImpl().getTreeBySlot (3).isValid());
    EXPECT_TRUE (host->getImpl().getTreeBySlot (2) == host->getCurrentMap().getChild (2));

    host->setSlotIndex (2);
    host->setSlotIndex (3); // would make the stored mapping unloadable
    EXPECT_EQ (host->getCurrSlotIndex(), 2);

    host->setCurrentOutputDevice ("Dorna MIDI 1");
    EXPECT_EQ (host->getCurrentOutputDevice(), "Dorna MIDI 1");
}

// The singleton may be created once per process, so its life runs in a child process (which
// runs this test's fixture anew: it is told the parent's folder).
TEST_F (HostTest, TheSingletonIsCreatedOnceAndSavesWhenDeleted)
{
    const char* folderVariable = "KORVEL_TEST_SINGLETON_FOLDER";
    // The child runs this body up to EXPECT_EXIT again: the parent's folder must stay set.
    ASSERT_EQ (::setenv (folderVariable, folder.getFullPathName().toRawUTF8(), 0), 0);

    const auto childRun = [&] {
        folder.deleteRecursively(); // the child's own
        const juce::File parentFolder (juce::String::fromUTF8 (std::getenv (folderVariable)));
        const SettingsLocation parents { parentFolder.getChildFile ("shared/Arvix/Dorna/Dorna.conf"),
                                         parentFolder.getChildFile ("user/Arvix/Dorna/Dorna.conf") };
        Host::setSettingsLocationForNewHosts (parents);
        auto* host = Host::getInstance();
        const bool same = host != nullptr && Host::getInstance() == host && Host::getInstanceWithoutCreating() == host;
        host->getCtlStore().getControl (8).setProperty (Tags::chan, 5, nullptr);
        Host::deleteInstance();
        const bool gone = Host::getInstanceWithoutCreating() == nullptr && Host::getInstance() == nullptr;
        Host::setSettingsLocationForNewHosts (std::nullopt);
        std::_Exit (same && gone && parents.shared.existsAsFile() ? 0 : 1);
    };
    GTEST_FLAG_SET (death_test_style, "threadsafe");
    EXPECT_EXIT (childRun(), ::testing::ExitedWithCode (0), "");
    ::unsetenv (folderVariable);

    Host restored (where);
    EXPECT_EQ ((int) restored.getCtlStore().getControl (8).getProperty (Tags::chan), 5);
}
