#include "Settings.h"

#if JUCE_LINUX || JUCE_MAC || JUCE_BSD
 #include <fcntl.h>
 #include <unistd.h>
#endif

namespace NsDorna
{
namespace
{
constexpr int compressedMagic = (int) juce::ByteOrder::makeInt ('C', 'P', 'R', 'P');
constexpr int maxBackups = 100;

void syncToDisk (const juce::File& file)
{
#if JUCE_LINUX || JUCE_MAC || JUCE_BSD
    const int fd = ::open (file.getFullPathName().toRawUTF8(), O_RDONLY);
    if (fd >= 0)
    {
        ::fsync (fd);
        ::close (fd);
    }
#else
    juce::ignoreUnused (file);
#endif
}
} // namespace

// Can the file be replaced through a temporary file beside it? Creates its folder, nothing else.
bool Settings::canWrite (const juce::File& file)
{
    if (file == juce::File() || file.isDirectory())
        return false;
    const auto dir = file.getParentDirectory();
    if (! dir.isDirectory() && dir.createDirectory().failed())
        return false;
    return dir.hasWriteAccess() && (! file.exists() || file.hasWriteAccess());
}

bool writeBytesToFile (const juce::File& file, const juce::MemoryBlock& data)
{
    {
        juce::FileOutputStream out (file);
        if (! out.openedOk() || ! out.setPosition (0) || out.truncate().failed())
            return false;
        if (! out.write (data.getData(), data.getSize()))
            return false;
        out.flush();
        if (out.getStatus().failed())
            return false;
    }
    syncToDisk (file);
    return true;
}

juce::Result replaceFileSafely (const juce::File& target, const juce::MemoryBlock& data, const WriteBytes& write)
{
    const auto temp = target.getSiblingFile (target.getFileName() + ".saving");
    const auto failWith = [&temp] (const juce::String& message) {
        temp.deleteFile();
        return juce::Result::fail (message);
    };

    temp.deleteFile();
    if (! write (temp, data))
        return failWith ("Could not write " + temp.getFullPathName());

    juce::MemoryBlock written;
    if (! temp.loadFileAsData (written) || written != data)
        return failWith ("The file " + temp.getFullPathName() + " was not written whole");

    if (! temp.replaceFileIn (target))
        return failWith ("Could not replace " + target.getFullPathName());
    return juce::Result::ok();
}

juce::PropertiesFile::Options Settings::storageOptions()
{
    juce::PropertiesFile::Options o;
    o.applicationName = "Dorna";
    o.filenameSuffix = ".conf";
    o.folderName = "Arvix/Dorna";
    o.osxLibrarySubFolder = "Application Support";
    o.commonToAllUsers = true;
    o.storageFormat = juce::PropertiesFile::storeAsCompressedBinary;
    return o;
}

SettingsLocation Settings::standardLocation()
{
    auto o = storageOptions();
    SettingsLocation where;
    where.shared = o.getDefaultFile();
    o.commonToAllUsers = false;
    where.perUser = o.getDefaultFile();
    return where;
}

Settings::Settings() : Settings (standardLocation()) {}

Settings::Settings (SettingsLocation where) : location (std::move (where))
{
    setStorageParameters (storageOptions());
}

Settings::~Settings() = default;

void Settings::load()
{
    if (loaded)
        return;
    loaded = true;

    target = writable (location.shared) ? location.shared : location.perUser;
    // Like JUCE's user settings, which fall back to the shared ones until they exist.
    source = (target == location.shared || target.exists()) ? target : location.shared;

    if (! source.exists())
        return;

    auto options = storageOptions();
    options.doNotSave = true;
    options.millisecondsBeforeSaving = -1;
    juce::PropertiesFile file (source, options);
    unreadable = source.isDirectory() || ! file.isValidFile();
    values.addAllPropertiesFrom (file);
    values.changed = false;
}

juce::File Settings::getSettingsFile()
{
    load();
    return target;
}

juce::File Settings::getSourceFile()
{
    load();
    return source;
}

bool Settings::sourceIsUnreadable()
{
    load();
    return unreadable;
}

juce::PropertySet& Settings::getCommonSettings()
{
    load();
    return values;
}

bool Settings::needsToBeSaved()
{
    load();
    return values.changed;
}

juce::Result Settings::saveIfNeeded()
{
    load();
    if (! values.changed)
        return juce::Result::ok();
    if (writeBlocked)
        return juce::Result::fail ("The settings file " + target.getFullPathName()
                                   + " could not be backed up, so it is left untouched");
    if (target.getParentDirectory().createDirectory().failed())
        return juce::Result::fail ("Could not create the folder of " + target.getFullPathName());

    auto r = replaceFileSafely (target, serialise (values), writer);
    if (r.wasOk())
    {
        values.changed = false;
        source = target;
        unreadable = false;
    }
    return r;
}

juce::Result Settings::keepBackup()
{
    load();
    if (source != target || ! source.exists())
        return juce::Result::ok(); // never written over

    for (int i = 1; i <= maxBackups; ++i)
    {
        const auto copy = source.getSiblingFile (source.getFileName() + ".bak" + (i > 1 ? juce::String (i) : juce::String()));
        if (copy.existsAsFile())
        {
            if (copy.hasIdenticalContentTo (source))
                return juce::Result::ok();
            continue;
        }
        // A file that cannot be read can still be moved aside whole.
        if (source.copyFileTo (copy) || source.moveFileTo (copy))
            return juce::Result::ok();
        break;
    }

    writeBlocked = true;
    return juce::Result::fail ("Could not keep a copy of " + source.getFullPathName());
}

juce::MemoryBlock Settings::serialise (juce::PropertySet& props)
{
    const juce::ScopedLock lock (props.getLock());
    const auto& keys = props.getAllProperties().getAllKeys();
    const auto& texts = props.getAllProperties().getAllValues();

    juce::MemoryOutputStream out;
    out.writeInt (compressedMagic);
    {
        juce::GZIPCompressorOutputStream zipped (out, 6);
        zipped.writeInt (keys.size());
        for (int i = 0; i < keys.size(); ++i)
        {
            zipped.writeString (keys[i]);
            zipped.writeString (texts[i]);
        }
        zipped.flush();
    }
    return out.getMemoryBlock();
}
} // namespace NsDorna
