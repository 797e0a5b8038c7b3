#include "link/Digest.h"
#include "link/LinkState.h"
#include "link/MappingEncoder.h"
#include "model/CtlStore.h"
#include "model/ModelState.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>

// korvel-cli encode, send and ports, run as the built program.
namespace
{
using namespace NsDorna;

// Splits a .syx file into its messages, F0 … F7 each.
std::vector<std::vector<uint8_t>> messagesOf (const juce::MemoryBlock& data)
{
    std::vector<std::vector<uint8_t>> messages;
    const auto* b = static_cast<const uint8_t*> (data.getData());
    for (size_t i = 0; i < data.getSize(); ++i)
    {
        if (b[i] == 0xF0)
            messages.emplace_back();
        if (! messages.empty())
            messages.back().push_back (b[i]);
    }
    return messages;
}

class CliLink : public KorvelTest::CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        resetModelState();
        // Slots in a Mackie mode, the HUI mode and no mode at all, with a few edits.
        tree = CtlStore().getState();
        CtlStore store (tree);
        store.getSlot (0).setProperty (Tags::current, 6, nullptr);
        store.getSlot (1).setProperty (Tags::current, 3, nullptr);
        auto knob = store.getControlOfSlot (37, 0);
        knob.setProperty (Tags::valueType, "midi", nullptr);
        knob.setProperty (Tags::type, "cc", nullptr);
        knob.setProperty (Tags::chan, 9, nullptr);
        knob.setProperty (Tags::value, 74, nullptr);
        store.getControlOfSlot (130, 0).setProperty (Tags::name, "Tape Stop", nullptr);
        store.getSlot (0).setProperty (Tags::daw3, 1, nullptr);
        mapping = folder.getChildFile ("mine.korvel");
        ASSERT_TRUE (tree.createXml()->writeTo (mapping));
    }

    void TearDown() override
    {
        CliTest::TearDown();
        resetLinkState();
    }

    juce::ValueTree tree;
    juce::File mapping;
};
} // namespace

TEST_F (CliLink, EncodeWritesDataTextsAndDigestStoreOfTheSlot)
{
    for (int slot : { 0, 1, 2 })
    {
        SCOPED_TRACE (slot);
        const auto out = folder.getChildFile ("slot" + juce::String (slot) + ".syx");
        const auto r = run ({ "encode", mapping.getFileName(), "--slot", juce::String (slot), "--out", out.getFileName() });
        ASSERT_EQ (r.exitCode, 0) << r.err;

        CtlStore store (tree);
        const int mode = store.getModeOfSlot (slot);
        SlotRecords records {};
        std::vector<uint8_t> block ((size_t) mappingBlockBytes, 0);
        juce::StringArray texts;
        for (int i = 0; i < numOfLcdTexts; ++i)
            texts.add (nilLcdEntry());
        const auto node = store.getSlot (slot);
        encodeSlot (store, slot, { (int) node.getProperty (Tags::daw1), (int) node.getProperty (Tags::daw2), (int) node.getProperty (Tags::daw3) },
                    { records, block, texts });
        const int digest = digestForSlot (block, texts);
        EXPECT_EQ (r.out.trim(), "slot " + juce::String (slot) + " mode " + juce::String (mode) + " digest " + juce::String (digest));

        juce::MemoryBlock syx;
        ASSERT_TRUE (out.loadFileAsData (syx));
        const auto messages = messagesOf (syx);
        ASSERT_EQ (messages.size(), 12u);

        std::vector<uint8_t> data, textBytes;
        for (size_t i = 0; i < messages.size(); ++i)
        {
            const auto& m = messages[i];
            const int command = i < 6 ? 0x25 : (i < 11 ? 0x26 : 0x24);
            const size_t length = i < 5 ? 330 : (i == 5 ? 218 : (i < 11 ? 282 : 9));
            ASSERT_EQ (m.size(), length) << "message " << i;
            EXPECT_EQ (m.back(), 0xF7);
            EXPECT_EQ ((std::vector<uint8_t> (m.begin(), m.begin() + 6)), (std::vector<uint8_t> { 0xF0, 0x1D, 0x03, 0x10, 0x06, (uint8_t) command }));
            EXPECT_EQ (m[6], ((slot << 5) | (i < 11 ? juce::jmax (1, mode) : mode)));
            for (size_t k = 1; k + 1 < m.size(); ++k)
                ASSERT_LT (m[k], 0x80) << "message " << i << " byte " << k;
            if (i < 6)
                data.insert (data.end(), m.begin() + 9, m.end() - 1);
            else if (i < 11)
                textBytes.insert (textBytes.end(), m.begin() + 9, m.end() - 1);
            else
                EXPECT_EQ (m[7], digest & 0x7F);
        }
        EXPECT_EQ (data, block);
        EXPECT_EQ (juce::String ((const char*) textBytes.data(), textBytes.size()), texts.joinIntoString (""));
    }
    // The edits are there: slot 0's layer-2 knob is CC 74 on channel 9.
    juce::MemoryBlock syx;
    folder.getChildFile ("slot0.syx").loadFileAsData (syx);
    const auto first = messagesOf (syx)[4];
    const size_t record = 9 + (size_t) (cid2aid (37) - 160) * 8;
    EXPECT_EQ ((std::vector<uint8_t> (first.begin() + (long) record, first.begin() + (long) record + 4)), (std::vector<uint8_t> { 0x0B, 0x0B, 0x08, 74 }));
}

TEST_F (CliLink, SendDeliversTheSlotToTheSimulatedDorna)
{
    for (int slot : { 0, 1 })
    {
        const auto r = run ({ "send", mapping.getFileName(), "--slot", juce::String (slot), "--virtual" });
        EXPECT_EQ (r.exitCode, 0) << r.out << r.err;
        EXPECT_TRUE (r.out.contains ("text part 5: positive")) << r.out;
        EXPECT_TRUE (r.out.contains ("mapping block equals the encoding; texts equal the encoding")) << r.out;
        EXPECT_TRUE (r.out.contains ("transfer ok")) << r.out;
        EXPECT_FALSE (r.out.contains ("malformed")) << r.out;
    }

    const auto named = run ({ "send", mapping.getFileName(), "--slot", "0", "--virtual", "--port", "Dorna Port 4" });
    EXPECT_EQ (named.exitCode, 0) << named.out << named.err;
    EXPECT_TRUE (named.out.contains ("connected to \"Dorna Port 4\"")) << named.out;
}

TEST_F (CliLink, RefusalsAndTheirExitStatus)
{
    const auto bad = folder.getChildFile ("bad.korvel");
    ASSERT_TRUE (bad.replaceWithText ("<slots/>"));

    const struct { juce::StringArray args; int exitCode; const char* says; } cases[] = {
        { { "encode", "mine.korvel", "--slot", "0" }, 2, "--out" },
        { { "encode", "mine.korvel", "--slot", "3", "--out", "x.syx" }, 2, "--slot" },
        { { "encode", "mine.korvel", "--out", "x.syx" }, 2, "--slot" },
        { { "encode", "bad.korvel", "--slot", "0", "--out", "x.syx" }, 1, "Could not load mapping data" },
        { { "encode", "mine.korvel", "--slot", "0", "--out", "no/such/x.syx" }, 1, "could not write" },
        { { "send", "mine.korvel", "--slot", "0" }, 1, "No device selected" },
        { { "send", "mine.korvel", "--slot", "2", "--virtual" }, 1, "no mode" },
        { { "send", "mine.korvel", "--slot", "0", "--virtual", "--port", "Nothing" }, 1, "Nothing: device does not exist" },
        { { "send", "mine.korvel", "--slot", "0", "--loud" }, 2, "--loud" },
    };
    for (const auto& c : cases)
    {
        const auto r = run (c.args);
        EXPECT_EQ (r.exitCode, c.exitCode) << c.args.joinIntoString (" ") << "\n" << r.err;
        EXPECT_TRUE (r.err.contains (c.says)) << c.args.joinIntoString (" ") << "\n" << r.err;
    }
    EXPECT_FALSE (folder.getChildFile ("x.syx").exists());
}

TEST_F (CliLink, PortsListTheSimulatedDorna)
{
    const auto r = run ({ "ports", "--virtual" });
    EXPECT_EQ (r.exitCode, 0) << r.err;
    EXPECT_TRUE (r.out.contains ("\"Dorna Port 4\"  product 2054 (")) << r.out;
    EXPECT_TRUE (r.out.contains ("port 4")) << r.out;
    EXPECT_TRUE (r.out.contains ("The Dorna's port: \"Dorna Port 4\"")) << r.out;
}
