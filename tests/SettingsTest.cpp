#include "link/Settings.h"

#include <gtest/gtest.h>

using namespace NsDorna;

namespace
{
class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("korvel-settings", "");
        ASSERT_TRUE (folder.createDirectory().wasOk());
        where = { folder.getChildFile ("shared/Arvix/Dorna/Dorna.conf"), folder.getChildFile ("user/Arvix/Dorna/Dorna.conf") };
    }
    void TearDown() override { folder.deleteRecursively(); }

    // The shared folder cannot be made: a regular file stands where its parent should be.
    void makeSharedUnwritable()
    {
        ASSERT_TRUE (folder.getChildFile ("shared").replaceWithText ("not a folder"));
    }

    static juce::MemoryBlock bytesOf (const juce::File& file)
    {
        juce::MemoryBlock b;
        file.loadFileAsData (b);
        return b;
    }

    juce::String readBack (const juce::File& file, const juce::String& key)
    {
        juce::PropertiesFile props (file, Settings::storageOptions());
        return props.getValue (key);
    }

    juce::File folder;
    SettingsLocation where;
};
} // namespace

TEST_F (SettingsTest, StandardPlacesFollowJucesRulesForTheOptions)
{
    const auto o = Settings::storageOptions();
    EXPECT_EQ (o.applicationName, "Dorna");
    EXPECT_EQ (o.filenameSuffix, ".conf");
    EXPECT_EQ (o.folderName, "Arvix/Dorna");
    EXPECT_EQ (o.osxLibrarySubFolder, "Application Support");
    EXPECT_TRUE (o.commonToAllUsers);
    EXPECT_EQ (o.storageFormat, juce::PropertiesFile::storeAsCompressedBinary);

    const auto standard = Settings::standardLocation();
#if JUCE_LINUX
    EXPECT_EQ (standard.shared.getFullPathName(), "/var/Arvix/Dorna/Dorna.conf");
    EXPECT_EQ (standard.perUser, juce::File ("~/Arvix/Dorna/Dorna.conf"));
#elif JUCE_MAC
    EXPECT_EQ (standard.shared.getFullPathName(), "/Library/Application Support/Arvix/Dorna/Dorna.conf");
    EXPECT_EQ (standard.perUser, juce::File ("~/Library/Application Support/Arvix/Dorna/Dorna.conf"));
#endif
}

TEST_F (SettingsTest, WritesTheSharedFileWhenItCanAndJuceReadsIt)
{
    Settings settings (where);
    EXPECT_EQ (settings.getSettingsFile(), where.shared);
    EXPECT_FALSE (settings.needsToBeSaved());

    settings.getCommonSettings().setValue ("state", "<slots/>");
    settings.getCommonSettings().setValue ("other", 42);
    ASSERT_TRUE (settings.saveIfNeeded().wasOk());
    EXPECT_FALSE (settings.needsToBeSaved());

    EXPECT_EQ (readBack (where.shared, "state"), "<slots/>");
    EXPECT_EQ (readBack (where.shared, "other"), "42");
    EXPECT_FALSE (where.perUser.exists());
    EXPECT_FALSE (where.shared.getSiblingFile ("Dorna.conf.saving").exists());

    // A file JUCE wrote reads back too, every key kept.
    juce::PropertiesFile juceFile (where.shared, Settings::storageOptions());
    juceFile.setValue ("extra", "yes");
    ASSERT_TRUE (juceFile.save());
    Settings again (where);
    EXPECT_EQ (again.getCommonSettings().getValue ("state"), "<slots/>");
    EXPECT_EQ (again.getCommonSettings().getValue ("extra"), "yes");
    EXPECT_FALSE (again.sourceIsUnreadable());
}

TEST_F (SettingsTest, AnUnwritableSharedFileGivesWayToThePerUserFile)
{
    makeSharedUnwritable();
    {
        Settings settings (where);
        EXPECT_EQ (settings.getSettingsFile(), where.perUser);
        settings.getCommonSettings().setValue ("state", "mine");
        ASSERT_TRUE (settings.saveIfNeeded().wasOk());
    }
    EXPECT_EQ (readBack (where.perUser, "state"), "mine");

    Settings next (where);
    EXPECT_EQ (next.getSourceFile(), where.perUser);
    EXPECT_EQ (next.getCommonSettings().getValue ("state"), "mine");
}

TEST_F (SettingsTest, TheSharedFileIsReadUntilThePerUserFileExists)
{
    // Settings stored in the shared file, which this user cannot write (root ignores file
    // permissions, so the check is told).
    ASSERT_TRUE (where.shared.getParentDirectory().createDirectory().wasOk());
    {
        juce::PropertiesFile shared (where.shared, Settings::storageOptions());
        shared.setValue ("state", "shared");
        ASSERT_TRUE (shared.save());
    }
    const auto sharedBytes = bytesOf (where.shared);
    const auto sharedIsReadOnly = [this] (const juce::File& f) { return f != where.shared; };

    {
        Settings settings (where);
        settings.setWritableCheck (sharedIsReadOnly);
        EXPECT_EQ (settings.getSettingsFile(), where.perUser);
        EXPECT_EQ (settings.getSourceFile(), where.shared);
        EXPECT_EQ (settings.getCommonSettings().getValue ("state"), "shared");

        // Never written over, so no copy is needed.
        EXPECT_TRUE (settings.keepBackup().wasOk());
        EXPECT_FALSE (where.shared.getSiblingFile ("Dorna.conf.bak").exists());

        settings.getCommonSettings().setValue ("state", "mine");
        ASSERT_TRUE (settings.saveIfNeeded().wasOk());
    }
    EXPECT_TRUE (bytesOf (where.shared) == sharedBytes);
    EXPECT_EQ (readBack (where.perUser, "state"), "mine");

    Settings next (where);
    next.setWritableCheck (sharedIsReadOnly);
    EXPECT_EQ (next.getSourceFile(), where.perUser);
    EXPECT_EQ (next.getCommonSettings().getValue ("state"), "mine");
}

TEST_F (SettingsTest, AnInterruptedSaveLeavesThePreviousFileWhole)
{
    {
        Settings settings (where);
        settings.getCommonSettings().setValue ("state", "first");
        ASSERT_TRUE (settings.saveIfNeeded().wasOk());
    }
    const auto before = bytesOf (where.shared);

    struct Case
    {
        const char* what;
        WriteBytes write;
    };
    const Case cases[] = {
        { "fails half-way", [] (const juce::File& f, const juce::MemoryBlock& d) {
              f.replaceWithData (d.getData(), d.getSize() / 2);
              return false;
          } },
        { "stops half-way and reports success", [] (const juce::File& f, const juce::MemoryBlock& d) {
              return f.replaceWithData (d.getData(), d.getSize() / 2);
          } },
        { "writes other bytes", [] (const juce::File& f, const juce::MemoryBlock& d) {
              juce::MemoryBlock wrong (d);
              static_cast<char*> (wrong.getData())[d.getSize() - 1] ^= 1;
              return f.replaceWithData (wrong.getData(), wrong.getSize());
          } },
        { "cannot open the file", [] (const juce::File&, const juce::MemoryBlock&) { return false; } },
    };

    for (const auto& c : cases)
    {
        Settings settings (where);
        settings.setWriter (c.write);
        settings.getCommonSettings().setValue ("state", juce::String::repeatedString ("second ", 5000));
        EXPECT_TRUE (settings.saveIfNeeded().failed()) << c.what;
        EXPECT_TRUE (settings.needsToBeSaved()) << c.what;
        EXPECT_TRUE (bytesOf (where.shared) == before) << c.what;
        EXPECT_EQ (readBack (where.shared, "state"), "first") << c.what;
        EXPECT_FALSE (where.shared.getSiblingFile ("Dorna.conf.saving").exists()) << c.what;

        // The next attempt with a working disk writes it.
        settings.setWriter (writeBytesToFile);
        EXPECT_TRUE (settings.saveIfNeeded().wasOk()) << c.what;
        EXPECT_EQ (readBack (where.shared, "state"), juce::String::repeatedString ("second ", 5000)) << c.what;

        settings.getCommonSettings().setValue ("state", "first");
        ASSERT_TRUE (settings.saveIfNeeded().wasOk());
    }
}

TEST_F (SettingsTest, BackupsAreKeptBesideTheFileAndNeverOverwritten)
{
    ASSERT_TRUE (where.shared.getParentDirectory().createDirectory().wasOk());
    ASSERT_TRUE (where.shared.replaceWithText ("corrupt one"));

    Settings first (where);
    EXPECT_TRUE (first.sourceIsUnreadable());
    ASSERT_TRUE (first.keepBackup().wasOk());
    const auto bak = where.shared.getSiblingFile ("Dorna.conf.bak");
    EXPECT_EQ (bak.loadFileAsString(), "corrupt one");
    ASSERT_TRUE (first.keepBackup().wasOk()); // the same contents again: no second copy
    EXPECT_FALSE (where.shared.getSiblingFile ("Dorna.conf.bak2").exists());

    ASSERT_TRUE (where.shared.replaceWithText ("corrupt two"));
    Settings second (where);
    ASSERT_TRUE (second.keepBackup().wasOk());
    EXPECT_EQ (bak.loadFileAsString(), "corrupt one");
    EXPECT_EQ (where.shared.getSiblingFile ("Dorna.conf.bak2").loadFileAsString(), "corrupt two");
}
