#pragma once

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

// korvel-cli, run as the built program beside the test binary.
namespace KorvelTest
{
inline juce::File cliProgram()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getSiblingFile ("korvel-cli");
}

struct CliRun
{
    int exitCode = -1;
    juce::String out, err;
};

// Runs korvel-cli with args in folder (its working directory), keeping stdout and stderr apart.
inline CliRun runCli (const juce::StringArray& args, const juce::File& folder)
{
    const auto outFile = folder.getChildFile ("cli.out"), errFile = folder.getChildFile ("cli.err");
    juce::StringArray quoted;
    for (const auto& a : args)
        quoted.add (a.quoted ('\''));
    const auto command = "cd " + folder.getFullPathName().quoted ('\'') + " && "
                         + cliProgram().getFullPathName().quoted ('\'') + " " + quoted.joinIntoString (" ") + " >"
                         + outFile.getFullPathName().quoted ('\'') + " 2>" + errFile.getFullPathName().quoted ('\'');
    juce::ChildProcess process;
    CliRun run;
    if (! process.start (juce::StringArray { "/bin/sh", "-c", command }))
        return run;
    process.waitForProcessToFinish (60000);
    run.exitCode = (int) process.getExitCode();
    run.out = outFile.loadFileAsString();
    run.err = errFile.loadFileAsString();
    return run;
}

// A fresh working folder for each test of the program.
class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (cliProgram().existsAsFile()) << "korvel-cli is not built beside the tests";
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("korvel-cli-test", "");
        ASSERT_TRUE (folder.createDirectory().wasOk());
    }
    void TearDown() override { folder.deleteRecursively(); }

    CliRun run (const juce::StringArray& args) const { return runCli (args, folder); }

    juce::File folder;
};
} // namespace KorvelTest
