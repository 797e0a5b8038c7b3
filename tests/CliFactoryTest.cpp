#include "model/CtlStore.h"
#include "model/HostPlatform.h"
#include "model/ModelState.h"

#include "support/CliRunner.h"

#include <gtest/gtest.h>

// korvel-cli factory, run as the built program beside the test binary.
namespace
{
// What SAVE FILE writes for the factory tree of a host.
juce::String factoryFileText (NsDorna::HostPlatform host)
{
    const NsDorna::ScopedHostPlatform scoped (host);
    const auto xml = NsDorna::CtlStore().getState().createXml();
    juce::TemporaryFile file;
    juce::XmlElement::TextFormat format; // no DTD, UTF-8, lines wrapped at 60
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    EXPECT_TRUE (xml->writeTo (file.getFile(), format));
    return file.getFile().loadFileAsString();
}

class CliFactory : public KorvelTest::CliTest
{
protected:
    void TearDown() override
    {
        CliTest::TearDown();
        NsDorna::resetModelState();
    }

    juce::String output (const juce::StringArray& args, int& exitCode) const
    {
        const auto r = run (args);
        exitCode = r.exitCode;
        return r.out + r.err;
    }
};
} // namespace

TEST_F (CliFactory, WritesTheFactoryTreeOfTheChosenHostAsSaveFileDoes)
{
    const auto macFile = folder.getChildFile ("mac.korvel");
    const auto linuxFile = folder.getChildFile ("linux.korvel");
    const auto defaultFile = folder.getChildFile ("default.korvel");

    for (const auto& [args, file] : { std::pair { juce::StringArray { "factory", macFile.getFullPathName(), "--host", "mac" }, macFile },
                                      std::pair { juce::StringArray { "factory", "--host", "linux", linuxFile.getFullPathName() }, linuxFile },
                                      std::pair { juce::StringArray { "factory", defaultFile.getFullPathName() }, defaultFile } })
    {
        int exitCode = -1;
        const auto said = output (args, exitCode);
        EXPECT_EQ (exitCode, 0) << said;
        EXPECT_TRUE (said.isEmpty()) << said;
        ASSERT_TRUE (file.existsAsFile());
    }

    const auto macText = macFile.loadFileAsString();
    EXPECT_TRUE (macText.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_EQ (macText, factoryFileText (NsDorna::HostPlatform::macOS));
    EXPECT_EQ (linuxFile.loadFileAsString(), factoryFileText (NsDorna::HostPlatform::linuxOS));
    EXPECT_NE (macText, linuxFile.loadFileAsString());
    EXPECT_EQ (defaultFile.loadFileAsString(), factoryFileText (NsDorna::runningPlatform()));

    // and it reads back as a whole tree
    auto tree = juce::ValueTree::fromXml (macText);
    NsDorna::CtlStore store (tree);
    EXPECT_EQ ((int) store.getControlOfSlot (154, 0).getProperty (Tags::cmd), 1);
}

TEST_F (CliFactory, UsageErrorsAndFailures)
{
    struct Case
    {
        juce::StringArray args;
        int exitCode;
        const char* says;
    };
    const auto out = folder.getChildFile ("out.korvel").getFullPathName();
    const Case cases[] = {
        { { "factory" }, 2, "one output file" },
        { { "factory", out, "--host", "beos" }, 2, "--host" },
        { { "factory", out, "--host" }, 2, "--host" },
        { { "factory", out, out + "2" }, 2, "one output file" },
        { { "factory", out, "--verbose" }, 2, "--verbose" },
        { { "factory", folder.getChildFile ("missing/out.korvel").getFullPathName() }, 1, "cannot write" },
        { { "factory", folder.getFullPathName() }, 1, "cannot write" },
    };
    for (const auto& c : cases)
    {
        int exitCode = -1;
        const auto said = output (c.args, exitCode);
        EXPECT_EQ (exitCode, c.exitCode) << c.args.joinIntoString (" ");
        EXPECT_TRUE (said.contains (c.says)) << said;
        EXPECT_EQ (juce::StringArray::fromLines (said.trimEnd()).size(), 1) << said; // one line
    }
    EXPECT_FALSE (folder.getChildFile ("out.korvel").exists());
}

TEST_F (CliFactory, HelpListsTheCommand)
{
    int exitCode = -1;
    const auto said = output ({ "--help" }, exitCode);
    EXPECT_EQ (exitCode, 0);
    EXPECT_TRUE (said.contains ("factory OUT [--host mac|linux|windows]")) << said;
}
