#include "link/Host.h"
#include "link/LinkState.h"
#include "link/MappingFile.h"
#include "model/HostPlatform.h"
#include "model/MappingValidator.h"
#include "model/ModelState.h"

#include <gtest/gtest.h>

#include <random>

using namespace NsDorna;

namespace
{
const juce::String dash = juce::String::fromUTF8 ("\xe2\x80\x93");
const juce::String refusedPrefix = juce::String (MappingFile::loadFailed) + ": ";

juce::String q (const juce::Identifier& property) { return "'" + property.toString() + "'"; }

// A factory mapping as XML, built once; cases work on copies.
const juce::XmlElement& factoryXml()
{
    static const auto xml = CtlStore().getState().createXml();
    return *xml;
}

juce::XmlElement* slotOf (juce::XmlElement& root, int s) { return root.getChildElement (s); }
juce::XmlElement* modeOf (juce::XmlElement& root, int s, int m) { return slotOf (root, s)->getChildElement (m - 1); }
juce::XmlElement* ctlOf (juce::XmlElement& root, int s, int m, int cid) { return modeOf (root, s, m)->getChildElement (cid - 1); }

juce::String textOf (const juce::XmlElement& xml) { return xml.toString(); }

juce::String mutated (const std::function<void (juce::XmlElement&)>& change)
{
    juce::XmlElement copy (factoryXml());
    change (copy);
    return textOf (copy);
}

// The flags a load may change.
struct Flags
{
    std::array<bool, 3> changed = bChged;
    SlotSendSettings sendSettings = g_slotSendSettings;
    int slot = g_iSlot;

    bool operator== (const Flags& o) const
    {
        return changed == o.changed && sendSettings == o.sendSettings && slot == o.slot;
    }
};

// The host's state that a load may change: tree (same object, same contents) and every flag.
struct HostSnapshot
{
    explicit HostSnapshot (Host& host) : handle (host.getCurrentMap()), contents (handle.createCopy()) {}

    void expectUnchanged (Host& host) const
    {
        EXPECT_TRUE (host.getCurrentMap() == handle) << "the tree was replaced";
        EXPECT_TRUE (host.getCurrentMap().isEquivalentTo (contents)) << "the tree was changed";
        EXPECT_TRUE (Flags() == flags) << "a flag was changed";
    }

    juce::ValueTree handle, contents;
    Flags flags;
};

class MappingFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetLinkState();
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("korvel-mapping", "");
        ASSERT_TRUE (folder.createDirectory().wasOk());
        host = std::make_unique<Host> (SettingsLocation::inFolder (folder));
    }

    void TearDown() override
    {
        host.reset();
        folder.deleteRecursively();
        resetLinkState();
        resetModelState();
    }

    juce::File writeText (const juce::String& text, const juce::String& name = "m.korvel")
    {
        auto f = folder.getChildFile (name);
        EXPECT_TRUE (f.replaceWithText (text, false, false, nullptr));
        return f;
    }

    juce::File folder;
    std::unique_ptr<Host> host;
};
} // namespace

TEST_F (MappingFileTest, TheFactoryTreeIsAValidMapping)
{
    juce::ValueTree tree;
    auto r = mappingFromXml (factoryXml(), tree);
    EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();

    // In memory, with numbers and bools rather than texts, for every platform and after a reset.
    for (auto platform : { HostPlatform::macOS, HostPlatform::linuxOS, HostPlatform::windowsOS })
    {
        const ScopedHostPlatform scoped (platform);
        r = validateMappingTree (CtlStore().getState());
        EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
    }
    CtlStore store;
    store.addMissingProps();
    r = validateMappingTree (store.getState());
    EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
}

TEST_F (MappingFileTest, SaveAndLoadGiveTheSameTree)
{
    // Make the tree differ from the factory one in every kind of node.
    auto tree = host->getCurrentMap();
    tree.setProperty (Tags::current, 2, nullptr);
    tree.getChild (1).setProperty (Tags::current, 3, nullptr);
    tree.getChild (1).setProperty (Tags::daw3, 1, nullptr);
    auto ctl = host->getCtlStore().getControlOfSlot (117, 1);
    ctl.setProperty (Tags::valueType, CtlValueType::slugForType (CtlValueType::hui), nullptr);
    ctl.setProperty (Tags::value, 80, nullptr);
    ctl.setProperty (Tags::name, "SEL 1", nullptr);
    ctl.setProperty (Tags::lockBy, 133, nullptr);
    const auto saved = tree.createCopy();

    const auto file = folder.getChildFile ("all.korvel");
    ASSERT_TRUE (host->saveCurrentMapping (file).wasOk());
    EXPECT_TRUE (file.loadFileAsString().startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));

    // Another host, on another slot, loads it.
    resetLinkState();
    Host other (SettingsLocation { folder.getChildFile ("s2/Dorna.conf"), folder.getChildFile ("u2/Dorna.conf") });
    other.setSlotIndex (1);
    ASSERT_TRUE (other.openFile (file).wasOk());

    auto expected = saved.createCopy();
    expected.setProperty (Tags::current, 1, nullptr); // the selection at the time of loading stays
    EXPECT_TRUE (other.getCurrentMap().isEquivalentTo (expected));
    EXPECT_EQ (g_iSlot, 1);
    EXPECT_EQ (other.getCtlModeOfSlot (1), 3);
    EXPECT_EQ (bChged, (std::array<bool, 3> { true, true, true }));
    EXPECT_EQ (g_slotSendSettings[1], (std::array<int, 3> { 0, 1, 1 }));
}

TEST_F (MappingFileTest, LoadingKeepsTheSelectedSlotAndStampsTheVersion)
{
    juce::XmlElement xml (factoryXml());
    xml.setAttribute (Tags::current, 0);
    xml.setAttribute (Tags::ver, "1.20");
    slotOf (xml, 2)->removeAttribute (Tags::daw3); // absent flags read as 0

    host->setSlotIndex (2);
    const auto before = host->getCurrentMap();
    ASSERT_TRUE (host->openFile (writeText (textOf (xml))).wasOk());

    EXPECT_FALSE (host->getCurrentMap() == before);
    EXPECT_EQ (host->getCurrSlotIndex(), 2);
    EXPECT_EQ (g_iSlot, 2);
    // Loaded and checked against this version's schema, it is kept by the next start.
    EXPECT_EQ (host->getCurrentMap().getProperty (Tags::ver).toString(), MyConf::version);
    EXPECT_EQ (g_slotSendSettings[2], (std::array<int, 3> { 0, 0, 0 }));
}

TEST_F (MappingFileTest, AcceptedEdgeValues)
{
    struct Case
    {
        const char* what;
        std::function<void (juce::XmlElement&)> change;
    };
    const Case cases[] = {
        { "unrecognised key -1", [] (auto& x) { ctlOf (x, 0, 1, 149)->setAttribute (Tags::key, -1); } },
        { "channel 16", [] (auto& x) { ctlOf (x, 0, 1, 1)->setAttribute (Tags::chan, 16); } },
        { "lock by the same column", [] (auto& x) { ctlOf (x, 1, 2, 165)->setAttribute (Tags::lockBy, 101); } },
        { "16-character name", [] (auto& x) { ctlOf (x, 2, 5, 101)->setAttribute (Tags::name, "0123456789ABCDEF"); } },
        { "HUI user function 120", [] (auto& x) {
              auto* c = ctlOf (x, 0, 3, 113);
              c->setAttribute (Tags::valueType, "func");
              c->setAttribute (Tags::value, 120);
          } },
        { "HUI fader VolumeM", [] (auto& x) {
              auto* c = ctlOf (x, 0, 3, 27);
              c->setAttribute (Tags::valueType, "hui");
              c->setAttribute (Tags::value, 8);
          } },
        { "a value type's value left over", [] (auto& x) {
              auto* c = ctlOf (x, 0, 1, 1);
              c->setAttribute (Tags::valueType, "hotkey");
              c->setAttribute (Tags::value, 999);
          } },
        { "nothing but ids", [] (auto& x) {
              auto* c = ctlOf (x, 0, 1, 150);
              c->removeAllAttributes();
              c->setAttribute (Tags::id, 150);
          } },
        { "a property the editor does not know", [] (auto& x) { ctlOf (x, 0, 1, 2)->setAttribute ("comment", "kept"); } },
    };

    for (const auto& c : cases)
    {
        juce::XmlElement xml (factoryXml());
        c.change (xml);
        const auto r = host->openFile (writeText (textOf (xml)));
        EXPECT_TRUE (r.wasOk()) << c.what << ": " << r.getErrorMessage();
        auto expected = juce::ValueTree::fromXml (xml);
        expected.setProperty (Tags::current, host->getCurrSlotIndex(), nullptr);
        EXPECT_TRUE (host->getCurrentMap().isEquivalentTo (expected)) << c.what;
    }
}

TEST_F (MappingFileTest, RefusedFilesNameTheFirstProblemAndChangeNothing)
{
    using X = juce::XmlElement&;
    struct Case
    {
        juce::String what;
        juce::String text;    // the file's contents
        juce::String message; // the whole message, or its start when `startOnly`
        bool startOnly = false;
    };

    const auto factoryText = textOf (factoryXml());
    juce::Random random (7);
    juce::String junk;
    for (int i = 0; i < 4000; ++i)
        junk += juce::String::charToString ((juce::juce_wchar) (1 + random.nextInt (250)));

    const auto ctlPlace = [] (int s, int m, int cid) {
        return "Slot " + juce::String (s + 1) + ", mode " + CtlMode::slugForType (m) + ", control " + juce::String (cid) + ": ";
    };
    const auto setCtl = [] (int s, int m, int cid, const juce::Identifier& p, const juce::var& v) {
        return mutated ([=] (X x) { ctlOf (x, s, m, cid)->setAttribute (p, v.toString()); });
    };
    const auto idAttr = [] (int id) { return Tags::id.toString() + "=\"" + juce::String (id) + "\""; };

    const std::vector<Case> cases = {
        { "truncated", factoryText.substring (0, factoryText.length() / 2), refusedPrefix + "the file is not well-formed XML", true },
        { "empty", "", refusedPrefix + "the file is empty" },
        { "binary junk", junk, refusedPrefix + "the file is not well-formed XML", true },
        { "wrong root", "<?xml version=\"1.0\"?>\n<mapping/>", refusedPrefix + "the root element is 'mapping', must be 'slots'" },
        { "missing slot", mutated ([] (X x) { x.removeChildElement (slotOf (x, 2), true); }),
          refusedPrefix + "Mapping: has 2 slots, must have 3" },
        { "extra slot", mutated ([] (X x) { x.addChildElement (new juce::XmlElement (*slotOf (x, 0))); }),
          refusedPrefix + "Mapping: has 4 slots, must have 3" },
        { "missing mode", mutated ([] (X x) { slotOf (x, 1)->removeChildElement (modeOf (x, 1, 7), true); }),
          refusedPrefix + "Slot 2: has 17 modes, must have 18" },
        { "extra control", mutated ([] (X x) { modeOf (x, 0, 4)->addChildElement (new juce::XmlElement (*ctlOf (x, 0, 4, 1))); }),
          refusedPrefix + "Slot 1, mode logic: has 227 controls, must have 226" },
        { "missing control", mutated ([] (X x) { modeOf (x, 2, 18)->removeChildElement (ctlOf (x, 2, 18, 226), true); }),
          refusedPrefix + "Slot 3, mode luna: has 225 controls, must have 226" },
        { "a node of another type", mutated ([] (X x) { modeOf (x, 0, 3)->setTagName ("page"); }),
          refusedPrefix + "Slot 1: element 3 is 'page', must be 'mode'" },
        { "text between nodes", mutated ([] (X x) { slotOf (x, 0)->addTextElement ("stray"); }),
          refusedPrefix + "Slot 1: holds the text 'stray', a mapping has none" },
        { "wrong slot id", mutated ([] (X x) { slotOf (x, 1)->setAttribute (Tags::id, 0); }),
          refusedPrefix + "Slot 2: " + q (Tags::id) + " is 0, must be 1" },
        { "wrong mode id", mutated ([] (X x) { modeOf (x, 0, 2)->setAttribute (Tags::id, 14); }),
          refusedPrefix + "Slot 1, mode cubase: " + q (Tags::id) + " is 14, must be 2" },
        { "controls out of order", mutated ([] (X x) {
              auto* mode = modeOf (x, 1, 2);
              auto* five = ctlOf (x, 1, 2, 5);
              mode->removeChildElement (five, false);
              mode->insertChildElement (five, 5);
          }),
          refusedPrefix + ctlPlace (1, 2, 5) + q (Tags::id) + " is 6, must be 5" },
        { "control without id", mutated ([] (X x) { ctlOf (x, 0, 1, 9)->removeAttribute (Tags::id); }),
          refusedPrefix + ctlPlace (0, 1, 9) + q (Tags::id) + " is missing, must be 9" },
        { "mode of another slug", mutated ([] (X x) { modeOf (x, 0, 2)->setAttribute (Tags::mode, "logic"); }),
          refusedPrefix + "Slot 1, mode cubase: " + q (Tags::mode) + " is 'logic', must be 'cubase'" },
        { "root current out of range", mutated ([] (X x) { x.setAttribute (Tags::current, 3); }),
          refusedPrefix + "Mapping: " + q (Tags::current) + " is 3, must be 0" + dash + "2" },
        { "root current not a number", mutated ([] (X x) { x.setAttribute (Tags::current, "one"); }),
          refusedPrefix + "Mapping: " + q (Tags::current) + " is 'one', must be a whole number 0" + dash + "2" },
        { "slot current out of range", mutated ([] (X x) { slotOf (x, 2)->setAttribute (Tags::current, 19); }),
          refusedPrefix + "Slot 3: " + q (Tags::current) + " is 19, must be 0" + dash + "18" },
        { "send flag 2", mutated ([] (X x) { slotOf (x, 0)->setAttribute (Tags::daw2, 2); }),
          refusedPrefix + "Slot 1: " + q (Tags::daw2) + " is '2', must be 0 or 1" },
        { "unknown value type", setCtl (0, 1, 5, Tags::valueType, "macro"),
          refusedPrefix + ctlPlace (0, 1, 5) + q (Tags::valueType) + " is 'macro', must be one of func, hotkey, midi, mouse, hui, null, nil" },
        { "value type in capitals", setCtl (0, 1, 5, Tags::valueType, "MIDI"),
          refusedPrefix + ctlPlace (0, 1, 5) + q (Tags::valueType) + " is 'MIDI', must be one of func, hotkey, midi, mouse, hui, null, nil" },
        { "unknown message type", setCtl (1, 6, 20, Tags::type, "sysex"),
          refusedPrefix + ctlPlace (1, 6, 20) + q (Tags::type) + " is 'sysex', must be one of note, cc, program, pitch, null, nil" },
        { "unknown kind", setCtl (0, 1, 1, Tags::kind, "slider"),
          refusedPrefix + ctlPlace (0, 1, 1) + q (Tags::kind) + " is 'slider', must be one of keyboard, pad, knob, fader, button, pedal, other" },
        { "channel 19", setCtl (1, 2, 117, Tags::chan, 19),
          refusedPrefix + ctlPlace (1, 2, 117) + q (Tags::chan) + " is 19, must be 0" + dash + "16" },
        { "channel -1", setCtl (0, 1, 1, Tags::chan, -1),
          refusedPrefix + ctlPlace (0, 1, 1) + q (Tags::chan) + " is -1, must be 0" + dash + "16" },
        { "key 128", setCtl (0, 2, 150, Tags::key, 128),
          refusedPrefix + ctlPlace (0, 2, 150) + q (Tags::key) + " is 128, must be -1 to 127" },
        { "key -2", setCtl (0, 2, 150, Tags::key2, -2),
          refusedPrefix + ctlPlace (0, 2, 150) + q (Tags::key2) + " is -2, must be -1 to 127" },
        { "key 3 of 300", setCtl (2, 9, 160, Tags::key3, 300),
          refusedPrefix + ctlPlace (2, 9, 160) + q (Tags::key3) + " is 300, must be -1 to 127" },
        { "key with a fraction", setCtl (0, 2, 150, Tags::key, "4.5"),
          refusedPrefix + ctlPlace (0, 2, 150) + q (Tags::key) + " is '4.5', must be a whole number -1 to 127" },
        { "MIDI value 128", mutated ([] (X x) {
              auto* c = ctlOf (x, 0, 1, 2);
              c->setAttribute (Tags::valueType, "midi");
              c->setAttribute (Tags::value, 128);
          }),
          refusedPrefix + ctlPlace (0, 1, 2) + q (Tags::value) + " is 128, must be 0" + dash + "127" },
        { "Mackie note -1", mutated ([] (X x) {
              auto* c = ctlOf (x, 0, 4, 101);
              c->setAttribute (Tags::valueType, "func");
              c->setAttribute (Tags::value, -1);
          }),
          refusedPrefix + ctlPlace (0, 4, 101) + q (Tags::value) + " is -1, must be 0" + dash + "127" },
        { "HUI button function 121", mutated ([] (X x) {
              auto* c = ctlOf (x, 0, 3, 120);
              c->setAttribute (Tags::valueType, "func");
              c->setAttribute (Tags::value, 121);
          }),
          refusedPrefix + ctlPlace (0, 3, 120) + q (Tags::value) + " is 121, must be a HUI button function 0" + dash + "120" },
        { "HUI fader function 9", mutated ([] (X x) {
              auto* c = ctlOf (x, 2, 3, 19);
              c->setAttribute (Tags::valueType, "hui");
              c->setAttribute (Tags::value, 9);
          }),
          refusedPrefix + ctlPlace (2, 3, 19) + q (Tags::value) + " is 9, must be a HUI fader function 0" + dash + "8" },
        { "HUI knob function 8", mutated ([] (X x) {
              auto* c = ctlOf (x, 1, 3, 37);
              c->setAttribute (Tags::valueType, "func");
              c->setAttribute (Tags::value, 8);
          }),
          refusedPrefix + ctlPlace (1, 3, 37) + q (Tags::value) + " is 8, must be a HUI knob function 0" + dash + "7" },
        { "lock on a knob", setCtl (0, 1, 5, Tags::lockBy, 101),
          refusedPrefix + ctlPlace (0, 1, 5) + q (Tags::lockBy) + " is 101, must be 0: only LCD buttons are locked" },
        { "lock by another column", setCtl (0, 1, 101, Tags::lockBy, 118),
          refusedPrefix + ctlPlace (0, 1, 101) + q (Tags::lockBy) + " is 118, must be 0 or an LCD button of the same column (101, 117, 133, 149, 165)" },
        { "lock by no control", setCtl (0, 1, 116, Tags::lockBy, 196),
          refusedPrefix + ctlPlace (0, 1, 116) + q (Tags::lockBy) + " is 196, must be 0 or an LCD button of the same column (116, 132, 148, 164, 180)" },
        { "non-ASCII name", setCtl (0, 1, 101, Tags::name, juce::String::fromUTF8 ("\xc3\x84rger")),
          refusedPrefix + ctlPlace (0, 1, 101) + q (Tags::name) + " '" + juce::String::fromUTF8 ("\xc3\x84rger")
              + "' holds a character other than printable ASCII (code 196)" },
        { "name with a tab", setCtl (0, 1, 101, Tags::name, "A\tB"),
          refusedPrefix + ctlPlace (0, 1, 101) + q (Tags::name) + " 'A\tB' holds a character other than printable ASCII (code 9)" },
        { "17-character name", setCtl (0, 1, 101, Tags::name, "0123456789ABCDEFG"),
          refusedPrefix + ctlPlace (0, 1, 101) + q (Tags::name) + " '0123456789ABCDEFG' is 17 characters long, must be at most 16" },
        { "flag of 2", setCtl (0, 1, 150, Tags::shift2, 2),
          refusedPrefix + ctlPlace (0, 1, 150) + q (Tags::shift2) + " is '2', must be 0 or 1" },
        { "rotation 3", setCtl (0, 1, 1, Tags::rotate, 3),
          refusedPrefix + ctlPlace (0, 1, 1) + q (Tags::rotate) + " is 3, must be 0" + dash + "2" },
        { "HUI byte 128", setCtl (0, 3, 1, Tags::val1, 128),
          refusedPrefix + ctlPlace (0, 3, 1) + q (Tags::val1) + " is 128, must be -1 to 127" },
        // ValueTree keeps the first of two equal attributes; the file must not rely on that.
        { "an attribute twice", factoryText.replaceFirstOccurrenceOf (
                                    "<ctl " + idAttr (5) + " ", "<ctl " + idAttr (5) + " " + Tags::chan.toString() + "=\"3\" " + Tags::chan.toString() + "=\"9\" "),
          refusedPrefix + ctlPlace (0, 1, 5) + q (Tags::chan) + " appears twice" },
        // ValueTree reads "base64:x" as a binary property x.
        { "a binary attribute", factoryText.replaceFirstOccurrenceOf (
                                    "<ctl " + idAttr (5) + " ", "<ctl " + idAttr (5) + " base64:comment=\"" + juce::MemoryBlock ("ab", 2).toBase64Encoding() + "\" "),
          refusedPrefix + ctlPlace (0, 1, 5) + "'comment' holds binary data, which a mapping never has" },
    };

    host->setSlotIndex (1);
    ASSERT_TRUE (host->saveSettings().wasOk());
    for (const auto& c : cases)
    {
        const HostSnapshot before (*host);
        const auto r = host->openFile (writeText (c.text));
        ASSERT_TRUE (r.failed()) << c.what;
        if (c.startOnly)
            EXPECT_TRUE (r.getErrorMessage().startsWith (c.message)) << c.what << ": " << r.getErrorMessage();
        else
            EXPECT_EQ (r.getErrorMessage(), c.message) << c.what;
        before.expectUnchanged (*host);
        EXPECT_FALSE (host->hasUnsavedChanges()) << c.what;
    }
}

TEST_F (MappingFileTest, MissingAndOversizedFilesAreRefused)
{
    const HostSnapshot before (*host);
    auto r = host->openFile (folder.getChildFile ("nowhere.korvel"));
    EXPECT_TRUE (r.getErrorMessage().startsWith (refusedPrefix + "the file ")) << r.getErrorMessage();
    EXPECT_TRUE (r.getErrorMessage().endsWith (" does not exist"));

    auto big = folder.getChildFile ("big.korvel");
    {
        juce::FileOutputStream out (big);
        ASSERT_TRUE (out.openedOk());
        out.setPosition (MappingFile::maxFileBytes);
        out.writeByte ('<');
    }
    r = host->openFile (big);
    EXPECT_EQ (r.getErrorMessage(), refusedPrefix + "the file is too large to be a mapping ("
                                        + juce::String (MappingFile::maxFileBytes + 1) + " bytes)");
    before.expectUnchanged (*host);
}

TEST_F (MappingFileTest, AFailedSaveKeepsTheOldFile)
{
    const auto file = folder.getChildFile ("keep.korvel");
    ASSERT_TRUE (file.replaceWithText ("old mapping"));

    // The write stops half-way without telling: the check after writing catches it.
    const WriteBytes halfWrite = [] (const juce::File& f, const juce::MemoryBlock& data) {
        return f.replaceWithData (data.getData(), data.getSize() / 2);
    };
    EXPECT_EQ (MappingFile::write (host->getCurrentMap(), file, halfWrite).getErrorMessage(), MappingFile::writeFailed);
    EXPECT_EQ (file.loadFileAsString(), "old mapping");
    EXPECT_EQ (folder.getNumberOfChildFiles (juce::File::findFiles), 1) << "no temporary file is left";

    EXPECT_EQ (host->saveCurrentMapping (folder.getChildFile ("no/such/folder/x.korvel")).getErrorMessage(), MappingFile::writeFailed);
}

TEST_F (MappingFileTest, DescribesEachSlotsMode)
{
    auto tree = host->getCurrentMap();
    tree.getChild (0).setProperty (Tags::current, 1, nullptr);
    tree.getChild (2).setProperty (Tags::current, 3, nullptr);
    EXPECT_EQ (MappingFile::describeSlots (tree), "slot 1 bitwig, slot 2 none, slot 3 pro-tools");
}

// Seeded random damage to a valid mapping: every load either applies the whole file or
// refuses it without touching the tree or any flag.
TEST_F (MappingFileTest, RandomlyDamagedMappingsAreAppliedWholeOrNotAtAll)
{
    struct WriteCounter : juce::ValueTree::Listener
    {
        void valueTreePropertyChanged (juce::ValueTree&, const juce::Identifier&) override { ++writes; }
        void valueTreeChildAdded (juce::ValueTree&, juce::ValueTree&) override { ++writes; }
        void valueTreeChildRemoved (juce::ValueTree&, juce::ValueTree&, int) override { ++writes; }
        int writes = 0;
    };

    const juce::Identifier properties[] = { Tags::id, Tags::current, Tags::daw1, Tags::mode, Tags::kind, Tags::valueType,
                                            Tags::value, Tags::name, Tags::lockBy, Tags::ctrl, Tags::key, Tags::key2,
                                            Tags::type, Tags::chan, Tags::rotate, Tags::val1, Tags::diyNameQ, Tags::cmd3 };
    const char* values[] = { "", "-1", "0", "1", "2", "3", "8", "9", "16", "17", "18", "19", "101", "117", "120", "121",
                             "127", "128", "226", "x", "1.5", " 1", "-0", "99999999999", "nil", "null", "midi", "func",
                             "hui", "hotkey", "cc", "pitch", "knob", "fader", "button", "cubase", "0123456789ABCDEF",
                             "0123456789ABCDEFG", "\xc3\xa9t\xc3\xa9" };

    juce::XmlElement xml (factoryXml());
    std::mt19937 rng (20240611);
    const auto pick = [&rng] (int n) { return (int) (rng() % (unsigned) n); };

    auto live = host->getCurrentMap();
    WriteCounter counter;
    live.addListener (&counter);
    int accepted = 0, refused = 0;

    for (int i = 0; i < 300; ++i)
    {
        // A node: mostly controls, sometimes a mode, a slot or the root.
        const int s = pick (3), m = 1 + pick (18), cid = 1 + pick (226);
        const int level = pick (20);
        auto* node = level == 0 ? &xml : level == 1 ? slotOf (xml, s) : level == 2 ? modeOf (xml, s, m) : ctlOf (xml, s, m, cid);

        std::function<void()> undo;
        const int kind = pick (10);
        if (kind < 8) // one property
        {
            const auto& p = properties[pick ((int) std::size (properties))];
            const bool had = node->hasAttribute (p.toString());
            const auto old = node->getStringAttribute (p.toString());
            if (kind == 7)
                node->removeAttribute (p);
            else
                node->setAttribute (p, juce::String::fromUTF8 (values[pick ((int) std::size (values))]));
            undo = [=] {
                if (had)
                    node->setAttribute (p, old);
                else
                    node->removeAttribute (p);
            };
        }
        else if (kind == 8 && node->getNumChildElements() > 1) // a child moved
        {
            const int from = pick (node->getNumChildElements());
            auto* child = node->getChildElement (from);
            const int to = pick (node->getNumChildElements());
            node->removeChildElement (child, false);
            node->insertChildElement (child, to);
            undo = [=] {
                node->removeChildElement (child, false);
                node->insertChildElement (child, from);
            };
        }
        else // the node's type
        {
            const auto old = node->getTagName();
            node->setTagName (juce::String (values[pick ((int) std::size (values))]).retainCharacters ("abcdefghijklmnopqrstuvwxyz") + "n");
            undo = [=] { node->setTagName (old); };
        }

        const Flags flags;
        const auto r = host->openMapping (xml);
        if (r.failed())
        {
            ++refused;
            ASSERT_TRUE (r.getErrorMessage().startsWith (refusedPrefix)) << r.getErrorMessage();
            ASSERT_TRUE (host->getCurrentMap() == live) << "iteration " << i;
            ASSERT_EQ (counter.writes, 0) << "iteration " << i << ": " << r.getErrorMessage();
            ASSERT_TRUE (Flags() == flags) << "iteration " << i;
        }
        else
        {
            ++accepted;
            // Applied whole: a new tree, every slot marked, the selected slot kept.
            ASSERT_FALSE (host->getCurrentMap() == live);
            ASSERT_EQ (bChged, (std::array<bool, 3> { true, true, true }));
            ASSERT_EQ (host->getCurrSlotIndex(), flags.slot);
            live.removeListener (&counter);
            live = host->getCurrentMap();
            live.addListener (&counter);
            counter.writes = 0;
            bChged = {};
        }
        undo();
    }
    live.removeListener (&counter);

    EXPECT_GT (accepted, 20);
    EXPECT_GT (refused, 100);
}

// Whole files with random bytes changed, cut or added, through openFile.
TEST_F (MappingFileTest, RandomlyDamagedFilesAreAppliedWholeOrNotAtAll)
{
    const auto text = textOf (factoryXml());
    const juce::MemoryBlock good (text.toRawUTF8(), text.getNumBytesAsUTF8());
    std::mt19937 rng (99);

    for (int i = 0; i < 40; ++i)
    {
        juce::MemoryBlock bytes (good);
        auto* data = static_cast<char*> (bytes.getData());
        const auto at = (size_t) (rng() % bytes.getSize());
        switch (i % 4)
        {
            case 0: data[at] = (char) (rng() % 256); break;
            case 1: bytes.setSize (at); break;
            case 2: bytes.insert ("<x>", 3, at); break;
            default: for (int k = 0; k < 8; ++k) data[(at + (size_t) k * 997) % bytes.getSize()] ^= (char) (1 << (rng() % 8));
        }
        auto file = folder.getChildFile ("damaged.korvel");
        ASSERT_TRUE (file.replaceWithData (bytes.getData(), bytes.getSize()));

        const HostSnapshot before (*host);
        bChged = {};
        const auto r = host->openFile (file);
        if (r.failed())
        {
            EXPECT_TRUE (r.getErrorMessage().startsWith (refusedPrefix));
            EXPECT_TRUE (host->getCurrentMap() == before.handle);
            EXPECT_EQ (bChged, (std::array<bool, 3> {}));
        }
        else
        {
            EXPECT_FALSE (host->getCurrentMap() == before.handle);
            EXPECT_EQ (bChged, (std::array<bool, 3> { true, true, true }));
        }
    }
}
