#include "Commands.h"

#include "model/CtlStore.h"
#include "model/HostPlatform.h"

// korvel-cli factory OUT [--host mac|linux|windows]: the factory mapping as a mapping file.
namespace KorvelCli
{
namespace
{
int runFactory (const juce::StringArray& args)
{
    const juce::String hostOption = "--host";
    auto host = NsDorna::runningPlatform();
    if (args.contains (hostOption))
    {
        const auto slug = optionValue (args, hostOption);
        const auto chosen = NsDorna::hostPlatformFromSlug (slug);
        if (! chosen)
            return usageError ("factory: --host takes mac, linux or windows, not '" + slug + "'");
        host = *chosen;
    }
    for (const auto& a : args)
        if (a.startsWith ("--") && a != hostOption)
            return usageError ("factory: unknown option '" + a + "'");

    const auto files = positionals (args, { hostOption });
    if (files.size() != 1)
        return usageError ("factory: give exactly one output file");

    const auto out = juce::File::getCurrentWorkingDirectory().getChildFile (files[0]);
    if (out.isDirectory())
        return fail ("cannot write " + out.getFullPathName() + ": it is a folder");

    const NsDorna::ScopedHostPlatform platform (host);
    const NsDorna::CtlStore store;
    const auto xml = store.getState().createXml();
    // the same form SAVE FILE writes: no DTD, UTF-8, lines wrapped at 60
    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    if (xml == nullptr || ! xml->writeTo (out, format))
        return fail ("cannot write " + out.getFullPathName());
    return ok;
}

const Registrar registrar { { "factory", "factory OUT [--host mac|linux|windows]",
                              "write the factory mapping of every slot and mode to the mapping file OUT "
                              "(for the given host; default: this computer's platform)",
                              runFactory } };
} // namespace
} // namespace KorvelCli
