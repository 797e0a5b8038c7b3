#include "MappingArgs.h"

#include "link/Digest.h"
#include "link/Host.h"
#include "link/HostImpl.h"
#include "link/LinkState.h"
#include "link/MappingEncoder.h"
#include "link/MidiPorts.h"
#include "sim/SimDorna.h"

#include <iostream>

// korvel-cli send FILE --slot N [--port NAME] [--virtual]: one full transfer of a slot to the Dorna.
namespace KorvelCli
{
namespace
{
using namespace NsDorna;

// The host keeps its settings in a folder of its own, never the editor's.
Host* makeHost (const juce::File& folder)
{
    Host::setSettingsLocationForNewHosts (
        SettingsLocation::inFolder (folder));
    return Host::getInstance();
}

void printDeviceMemory (const sim::SimDorna& dorna, int slot)
{
    const auto held = dorna.getSlot (slot);
    const auto& block = g_sendingDataForCurrMode[(size_t) slot];
    juce::MemoryBlock texts;
    for (const auto& t : g_flagsTextsForSlot[(size_t) slot])
        texts.append (t.toRawUTF8(), (size_t) t.getNumBytesAsUTF8());

    const bool sameBlock = held.mappingBlock == juce::MemoryBlock (block.data(), block.size());
    const bool sameTexts = held.textBlock == texts;
    std::cout << "device holds: slot " << slot << " mode " << held.mode << " digest " << held.digest
              << "; mapping block " << (sameBlock ? "equals" : "differs from") << " the encoding"
              << "; texts " << (sameTexts ? "equal" : "differ from") << " the encoding" << std::endl;
    if (dorna.getMalformedCount() > 0)
        std::cout << "device saw " << dorna.getMalformedCount() << " malformed messages: "
                  << dorna.getMalformedProblems().joinIntoString ("; ") << std::endl;
}

int runSend (const juce::StringArray& args)
{
    const juce::StringArray withValue { "--slot", "--port" };
    for (const auto& a : args)
        if (a.startsWith ("--") && ! withValue.contains (a) && a != "--virtual")
            return usageError ("send: unknown option '" + a + "'");

    int status = ok;
    const auto mapping = readMappingArgs ("send", args, withValue, status);
    if (! mapping)
        return status;
    const int slot = mapping->slot;

    std::unique_ptr<sim::SimDorna> dorna;
    if (hasFlag (args, "--virtual"))
    {
        ports::useVirtualPorts();
        dorna = sim::SimDorna::startOnVirtualPorts();
        std::cout << "simulated Dorna on " << dorna->portNames().joinIntoString (", ") << std::endl;
    }

    g_portOverride = optionValue (args, "--port");
    if (g_portOverride.isNotEmpty() && ! ports::getOutputNames().contains (g_portOverride))
        return fail (g_portOverride + ": device does not exist");

    const juce::TemporaryFile settingsFolder;
    settingsFolder.getFile().createDirectory();
    auto* host = makeHost (settingsFolder.getFile());
    host->getImpl().replaceTree (mapping->tree, false);

    const auto mode = host->getCtlModeOfSlot (slot);
    if (! mode.isValid())
        return fail ("slot " + juce::String (slot) + " has no mode chosen: nothing to send");

    bChged[(size_t) slot] = true;
    updateArrayOfDataAndTexts();
    bChged[(size_t) slot] = false;
    g_currDigests[(size_t) slot] = digestForSlot (g_sendingDataForCurrMode[(size_t) slot], g_flagsTextsForSlot[(size_t) slot]);
    std::cout << "slot " << slot << " mode " << (int) mode << " (" << mode.getSlug() << ") digest "
              << g_currDigests[(size_t) slot] << std::endl;

    g_transferLog = [] (const juce::String& step) { std::cout << "  " << step << std::endl; };
    const auto result = host->sendCurrMappings (slot);
    g_transferLog = nullptr;
    host->replaceMidiInputHandler();

    if (dorna != nullptr)
    {
        dorna->waitUntilIdle();
        printDeviceMemory (*dorna, slot);
    }
    Host::deleteInstance();
    settingsFolder.getFile().deleteRecursively();

    if (result.failed())
        return fail ("transfer failed: " + result.getErrorMessage());
    std::cout << "transfer ok" << std::endl;
    return ok;
}

const Registrar registrar { { "send", "send FILE --slot N [--port NAME] [--virtual]",
                              "send slot N (0-2) of the mapping file FILE to the Dorna (or the port NAME), "
                              "printing each step; --virtual: to a simulated Dorna, then show what it holds",
                              runSend } };
} // namespace
} // namespace KorvelCli
