#pragma once

#include <juce_core/juce_core.h>

// korvel-cli's commands. Each command file registers itself with a static Registrar.
namespace KorvelCli
{
enum ExitCode { ok = 0, failure = 1, usage = 2 };

struct Command
{
    const char* name;
    const char* synopsis; // e.g. "factory OUT [--host mac|linux|windows]"
    const char* summary;  // one line for --help
    std::function<int (const juce::StringArray& args)> run; // args after the command name
};

struct Registrar
{
    explicit Registrar (Command command);
};

const std::vector<Command>& commands();

// One line on stderr; the matching exit status.
int fail (const juce::String& message);
int usageError (const juce::String& message);

// Small argument helpers: "--name value" options and plain positional arguments.
juce::String optionValue (const juce::StringArray& args, const juce::String& name);
bool hasFlag (const juce::StringArray& args, const juce::String& name);
// Positional arguments, skipping the named options (which take a value) and flags.
juce::StringArray positionals (const juce::StringArray& args, const juce::StringArray& optionsWithValue);
} // namespace KorvelCli
