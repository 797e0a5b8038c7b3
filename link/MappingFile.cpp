#include "MappingFile.h"

#include "model/CtlStore.h"
#include "model/MappingValidator.h"

namespace NsDorna::MappingFile
{
namespace
{
Reading refused (const juce::String& reason)
{
    return { juce::Result::fail (juce::String (loadFailed) + ": " + reason), {} };
}
} // namespace

Reading fromXml (const juce::XmlElement& xml)
{
    Reading reading;
    reading.result = mappingFromXml (xml, reading.tree);
    return reading;
}

Reading read (const juce::File& file)
{
    if (! file.existsAsFile())
        return refused ("the file " + file.getFullPathName().quoted() + " does not exist");
    const auto size = file.getSize();
    if (size == 0)
        return refused ("the file is empty");
    if (size > maxFileBytes)
        return refused ("the file is too large to be a mapping (" + juce::String (size) + " bytes)");

    juce::XmlDocument doc (file);
    const auto xml = doc.getDocumentElement();
    if (xml == nullptr)
    {
        const auto why = doc.getLastParseError();
        return refused ("the file is not well-formed XML" + (why.isEmpty() ? juce::String() : " (" + why + ")"));
    }

    auto reading = fromXml (*xml);
    if (reading.result.failed())
        return refused (reading.result.getErrorMessage());
    return reading;
}

juce::Result write (const juce::ValueTree& tree, const juce::File& file, const WriteBytes& writeBytes)
{
    const auto xml = tree.createXml();
    if (xml == nullptr)
        return juce::Result::fail (noXmlToSave);

    juce::XmlElement::TextFormat format;
    format.dtd = {};
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    const auto text = xml->toString (format);

    juce::MemoryBlock bytes (text.toRawUTF8(), text.getNumBytesAsUTF8());
    if (replaceFileSafely (file, bytes, writeBytes).failed())
        return juce::Result::fail (writeFailed);
    return juce::Result::ok();
}

juce::String describeSlots (const juce::ValueTree& tree)
{
    auto copy = tree;
    const CtlStore store (copy);
    juce::StringArray parts;
    for (int s = MyConf::baseSlotID; s <= MyConf::maxSlotID; ++s)
    {
        const auto mode = store.getModeOfSlot (s);
        parts.add ("slot " + juce::String (s + 1) + " " + (mode.isValid() ? mode.getSlug() : juce::String ("none")));
    }
    return parts.joinIntoString (", ");
}
} // namespace NsDorna::MappingFile
