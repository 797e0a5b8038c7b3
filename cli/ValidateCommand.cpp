#include "Commands.h"

#include "link/MappingFile.h"

#include <iostream>

// korvel-cli validate FILE: checks a mapping file the way the editor's LOAD FILE does.
namespace KorvelCli
{
namespace
{
int runValidate (const juce::StringArray& args)
{
    for (const auto& a : args)
        if (a.startsWith ("--"))
            return usageError ("validate: unknown option '" + a + "'");

    const auto files = positionals (args, {});
    if (files.size() != 1)
        return usageError ("validate: give exactly one mapping file");

    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (files[0]);
    const auto reading = NsDorna::MappingFile::read (file);
    if (reading.result.failed())
        return fail (reading.result.getErrorMessage());

    std::cout << "ok: " << NsDorna::MappingFile::describeSlots (reading.tree) << std::endl;
    return ok;
}

const Registrar registrar { { "validate", "validate FILE",
                              "check the mapping file FILE as the editor loads it: print \"ok\" and each slot's mode, "
                              "or the reason the editor would refuse it",
                              runValidate } };
} // namespace
} // namespace KorvelCli
