#include "MappingArgs.h"

#include "link/Digest.h"
#include "link/LinkState.h"
#include "link/MappingEncoder.h"
#include "link/SysexMessages.h"

#include <iostream>

// korvel-cli encode FILE --slot N --out OUT.syx: the messages that carry one slot to the device.
namespace KorvelCli
{
namespace
{
int runEncode (const juce::StringArray& args)
{
    const juce::StringArray withValue { "--slot", "--out" };
    for (const auto& a : args)
        if (a.startsWith ("--") && ! withValue.contains (a))
            return usageError ("encode: unknown option '" + a + "'");
    const auto out = optionValue (args, "--out");
    if (out.isEmpty())
        return usageError ("encode: give --out OUT.syx");

    int status = ok;
    const auto mapping = readMappingArgs ("encode", args, withValue, status);
    if (! mapping)
        return status;

    using namespace NsDorna;
    auto tree = mapping->tree;
    const CtlStore store (tree);
    const int slot = mapping->slot;
    const int mode = store.getModeOfSlot (slot);
    const auto slotNode = store.getSlot (slot);
    const SendFlags flags { (int) slotNode.getProperty (Tags::daw1), (int) slotNode.getProperty (Tags::daw2),
                            (int) slotNode.getProperty (Tags::daw3) };

    SlotRecords records {};
    std::vector<uint8_t> block ((size_t) mappingBlockBytes, 0);
    juce::StringArray texts;
    for (int i = 0; i < numOfLcdTexts; ++i)
        texts.add (nilLcdEntry());
    encodeSlot (store, slot, flags, { records, block, texts });
    const int digest = digestForSlot (block, texts);

    // Data parts, text parts, then the digest store: what a transfer sends, without filler or query.
    juce::MemoryOutputStream syx;
    auto add = [&syx] (const juce::MidiMessage& m) { syx.write (m.getRawData(), (size_t) m.getRawDataSize()); };
    for (int part = 1; part <= MyConf::numOfDataParts; ++part)
        add (makeDataPart (g_pid, slot, mode, block, part));
    for (int part = 1; part <= MyConf::numOfTextParts; ++part)
        add (makeTextPart (g_pid, slot, mode, texts, part));
    add (makeDigestMessage (g_pid, slot, mode, digest, Cmd::digestStore));

    const auto target = juce::File::getCurrentWorkingDirectory().getChildFile (out);
    const auto written = replaceFileSafely (target, syx.getMemoryBlock());
    if (written.failed())
        return fail ("could not write " + target.getFullPathName() + ": " + written.getErrorMessage());

    std::cout << "slot " << slot << " mode " << mode << " digest " << digest << std::endl;
    return ok;
}

const Registrar registrar { { "encode", "encode FILE --slot N --out OUT.syx",
                              "write the SysEx messages that carry slot N (0-2) of the mapping file FILE to the "
                              "Dorna: data parts 1-6, text parts 1-5 and the digest store",
                              runEncode } };
} // namespace
} // namespace KorvelCli
