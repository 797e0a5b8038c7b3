#include "Commands.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace KorvelCli
{
namespace
{
std::vector<Command>& registry()
{
    static std::vector<Command> list;
    return list;
}

void printHelp (std::ostream& out)
{
    out << "korvel-cli - command-line companion of the Korvel editor\n\nUsage:\n";
    for (const auto& c : commands())
        out << "  korvel-cli " << c.synopsis << "\n      " << c.summary << "\n";
    out << "  korvel-cli --help\n      this list\n\nExit status: 0 success, 1 failure, 2 usage error.\n";
}
} // namespace

Registrar::Registrar (Command command) { registry().push_back (std::move (command)); }

const std::vector<Command>& commands()
{
    auto& list = registry();
    std::sort (list.begin(), list.end(), [] (const Command& a, const Command& b) {
        return juce::String (a.name) < juce::String (b.name);
    });
    return list;
}

int fail (const juce::String& message)
{
    std::cerr << "korvel-cli: " << message.replace ("\n", " ") << std::endl;
    return failure;
}

int usageError (const juce::String& message)
{
    std::cerr << "korvel-cli: " << message << " (see korvel-cli --help)" << std::endl;
    return usage;
}

juce::String optionValue (const juce::StringArray& args, const juce::String& name)
{
    const auto i = args.indexOf (name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : juce::String();
}

bool hasFlag (const juce::StringArray& args, const juce::String& name) { return args.contains (name); }

juce::StringArray positionals (const juce::StringArray& args, const juce::StringArray& optionsWithValue)
{
    juce::StringArray result;
    for (int i = 0; i < args.size(); ++i)
    {
        if (optionsWithValue.contains (args[i]))
            ++i;
        else if (! args[i].startsWith ("--"))
            result.add (args[i]);
    }
    return result;
}
} // namespace KorvelCli

int main (int argc, char** argv)
{
    using namespace KorvelCli;
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help")
    {
        printHelp (std::cout);
        return args.isEmpty() ? usage : ok;
    }

    // A message loop for the commands that talk to MIDI ports or wait on timers.
    juce::ScopedJuceInitialiser_GUI juceInit;

    const auto name = args[0];
    args.remove (0);
    for (const auto& c : commands())
        if (name == c.name)
            return c.run (args);

    return usageError ("unknown command '" + name + "'");
}
