#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <functional>

namespace NsDorna
{
// Where the settings file lives: the file shared by all users, and the user's own file that
// takes its place when the shared one cannot be written.
struct SettingsLocation
{
    juce::File shared;
    juce::File perUser;

    // Both files inside one folder of their own (tests, tools): shared/ and user/.
    static SettingsLocation inFolder (const juce::File& folder)
    {
        return { folder.getChildFile ("shared/Dorna.conf"), folder.getChildFile ("user/Dorna.conf") };
    }
};

// Writes bytes into a file; returns false when any part of it failed. Tests pass their own to
// interrupt a write.
using WriteBytes = std::function<bool (const juce::File&, const juce::MemoryBlock&)>;

// The ordinary writer: writes, flushes and syncs the file to the disk.
bool writeBytesToFile (const juce::File& file, const juce::MemoryBlock& data);

// Writes `data` to a temporary file beside `target`, reads it back, and only when it holds
// exactly `data` renames it over `target`. The target is always either its old or its new
// contents, never a part; a failed write leaves it untouched.
juce::Result replaceFileSafely (const juce::File& target, const juce::MemoryBlock& data,
                                const WriteBytes& write = writeBytesToFile);

// The editor's settings file: the properties file of application "Dorna" (".conf") in the
// folder "Arvix/Dorna", shared by all users; when that cannot be written, the user's own file of
// the same options is read and written instead (while it does not exist yet, the shared file is
// read). Files are written only whole (replaceFileSafely); JUCE's own test-save, which would
// overwrite a corrupt file before it could be kept, is never used.
class Settings : public juce::ApplicationProperties
{
public:
    static juce::PropertiesFile::Options storageOptions();
    // JUCE's places for these options (on Linux /var/Arvix/Dorna/Dorna.conf and
    // ~/Arvix/Dorna/Dorna.conf; on macOS under /Library and ~/Library "Application Support").
    static SettingsLocation standardLocation();

    Settings();
    explicit Settings (SettingsLocation where);
    ~Settings();

    const SettingsLocation& getLocation() const noexcept { return location; }

    // The file that is written: the shared one when it can be written, else the per-user one.
    // Decided once, on first use, without writing anything.
    juce::File getSettingsFile();
    // The file the settings were read from.
    juce::File getSourceFile();
    // The source exists but could not be read as a properties file.
    bool sourceIsUnreadable();

    // The settings' values, read from the source on first use.
    juce::PropertySet& getCommonSettings();

    // Writes the values when any changed since they were read or last written.
    juce::Result saveIfNeeded();
    bool needsToBeSaved();

    // Keeps a copy of the source beside it ("Dorna.conf.bak", or "Dorna.conf.bak2" … when an
    // older, different copy is there) before its contents are dropped, when the next save would
    // overwrite it. When no copy can be made the source is left untouched: nothing is written to
    // it during this run.
    juce::Result keepBackup();

    void setWriter (WriteBytes newWriter) { writer = std::move (newWriter); }
    // Whether a file can be written; the ordinary check creates its folder and asks the system.
    // Must be set before first use.
    using WritableCheck = std::function<bool (const juce::File&)>;
    void setWritableCheck (WritableCheck check) { writable = std::move (check); }
    static bool canWrite (const juce::File& file);

    // The bytes of a compressed-binary properties file, as juce::PropertiesFile reads them.
    static juce::MemoryBlock serialise (juce::PropertySet& values);

private:
    // JUCE's own files sit at the standard places whatever this object was pointed at.
    using juce::ApplicationProperties::getUserSettings;
    using juce::ApplicationProperties::closeFiles;

    struct Values : public juce::PropertySet
    {
        void propertyChanged() override { changed = true; }
        bool changed = false;
    };

    void load();

    SettingsLocation location;
    WriteBytes writer = writeBytesToFile;
    WritableCheck writable = canWrite;
    Values values;
    bool loaded = false;
    bool unreadable = false;
    bool writeBlocked = false;
    juce::File target, source;

    JUCE_DECLARE_NON_COPYABLE (Settings)
};
} // namespace NsDorna
