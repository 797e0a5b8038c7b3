#include "link/Host.h"
#include "link/LinkState.h"
#include "link/MappingFile.h"
#include "model/ModelState.h"

#include "support/CliRunner.h"

#include <gtest/gtest.h>

// korvel-cli validate, run as the built program beside the test binary, against the editor's
// own verdicts on the same files.
namespace
{
using namespace NsDorna;

class MappingFileCli : public KorvelTest::CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        resetLinkState();
    }
    void TearDown() override
    {
        CliTest::TearDown();
        resetLinkState();
        resetModelState();
    }
};
} // namespace

TEST_F (MappingFileCli, GivesTheEditorsVerdicts)
{
    Host host (SettingsLocation::inFolder (folder));
    auto tree = host.getCurrentMap();
    tree.getChild (0).setProperty (Tags::current, CtlMode::reaper, nullptr);
    tree.getChild (2).setProperty (Tags::current, CtlMode::proTools, nullptr);
    const auto good = folder.getChildFile ("good.korvel");
    ASSERT_TRUE (host.saveCurrentMapping (good).wasOk());

    const auto withControl = [&] (const juce::String& name, const juce::Identifier& property, const juce::var& value) {
        auto t = tree.createCopy();
        t.getChild (1).getChild (1).getChild (116).setProperty (property, value, nullptr);
        const auto f = folder.getChildFile (name);
        EXPECT_TRUE (t.createXml()->writeTo (f));
        return f;
    };
    const auto text = [&] (const juce::String& name, const juce::String& contents) {
        const auto f = folder.getChildFile (name);
        EXPECT_TRUE (f.replaceWithText (contents));
        return f;
    };

    const juce::File files[] = {
        good,
        withControl ("chan.korvel", Tags::chan, 19),
        withControl ("name.korvel", Tags::name, "far too long a name"),
        withControl ("key.korvel", Tags::key, -1),
        text ("root.korvel", "<mapping/>"),
        text ("empty.korvel", ""),
        text ("half.korvel", good.loadFileAsString().dropLastCharacters (100)),
        folder.getChildFile ("missing.korvel"),
    };

    int refused = 0;
    for (const auto& f : files)
    {
        const auto editor = host.openFile (f);
        const auto cli = run ({ "validate", f.getFullPathName() });
        if (editor.wasOk())
        {
            EXPECT_EQ (cli.exitCode, 0) << f.getFileName();
            EXPECT_EQ (cli.out.trim(), "ok: slot 1 reaper, slot 2 none, slot 3 pro-tools") << f.getFileName();
        }
        else
        {
            ++refused;
            EXPECT_EQ (cli.exitCode, 1) << f.getFileName();
            EXPECT_EQ (cli.err.trim(), "korvel-cli: " + editor.getErrorMessage()) << f.getFileName();
            EXPECT_TRUE (cli.out.isEmpty()) << f.getFileName();
        }
    }
    EXPECT_EQ (refused, 6);
}

TEST_F (MappingFileCli, UsageErrors)
{
    EXPECT_EQ (run ({ "validate" }).exitCode, 2);
    EXPECT_EQ (run ({ "validate", "a.korvel", "b.korvel" }).exitCode, 2);
    EXPECT_EQ (run ({ "validate", "--strict", "a.korvel" }).exitCode, 2);
}
