#include "MappingEncoder.h"

#include "Digest.h"
#include "model/DisplayTexts.h"
#include "model/FactoryTables.h"

namespace NsDorna
{
namespace
{
constexpr int userDefinedHuiFunction = 120;
constexpr int firstTransportRecord = 88;
constexpr int lastTransportRecord = 93;

uint8_t low7 (int v) { return (uint8_t) (v & 0x7F); }

int intProp (const juce::ValueTree& node, const juce::Identifier& id, int fallback = 0)
{
    return (int) node.getProperty (id, fallback);
}

// The HUI (zone, port) pair of a function index; a user-defined function carries its own pair.
bool huiPairFor (const juce::ValueTree& node, int index, int& zone, int& port)
{
    if (index == userDefinedHuiFunction)
    {
        zone = intProp (node, Tags::val1, -1);
        port = intProp (node, Tags::val2, -1);
        return true;
    }
    const auto* pair = ptBtnValuePairFor (index);
    if (pair == nullptr)
        return false;
    zone = pair->zone;
    port = pair->port;
    return true;
}

void fillFunc (DeviceRecord& r, const juce::ValueTree& node, int slot, bool mackie, int kind, int value)
{
    if (mackie)
    {
        r[0] = (uint8_t) ((slot << 4) | 9);
        r[1] = 0x90;
        r[2] = low7 (value);
        r[3] = 0x7F;
        r[4] = 0;
        r[5] = 0;
        return;
    }

    r[0] = (uint8_t) ((slot << 4) | 0x0B);
    r[1] = 0xB0;
    if (value < 0)
        return;

    if (kind == CtlType::button)
    {
        int zone = -1, port = -1;
        if (huiPairFor (node, value, zone, port) && zone != -1 && port != -1)
        {
            r[2] = 0x0F;
            r[3] = low7 (zone);
            r[4] = 0x2F;
            r[5] = low7 (port);
        }
    }
    else if (kind == CtlType::fader)
    {
        r[2] = low7 (value);
        r[3] = 0;
        r[4] = low7 (0x20 | value);
        r[5] = 0;
    }
    else if (kind == CtlType::knob)
    {
        r[2] = low7 (0x40 | value);
        r[3] = 0x40;
        r[4] = 0;
        r[5] = 0;
    }
}

void fillMidi (DeviceRecord& r, const juce::ValueTree& node, int slot, int cid, int value)
{
    const int t = MsgType (node.getProperty (Tags::type).toString()).getTypeValue();
    // An unset channel (0) goes out as channel 1.
    const int ch = juce::jmax (0, intProp (node, Tags::chan) - 1) & 0x0F;
    const bool relative = node.getProperty (Tags::kind).toString() == CtlType::slugForType (CtlType::knob)
                          || controlIsJogWhl (cid);
    r[0] = (uint8_t) ((slot << 4) | t);
    r[1] = (uint8_t) ((t << 4) | ch);
    r[2] = low7 (value);
    r[3] = relative ? 0x40 : 0x7F;
    r[4] = 0;
    r[5] = 0;
    r[6] = intProp (node, Tags::rotate) == 2 ? 0x10 : 0;
}

void fillHotkey (DeviceRecord& r, const juce::ValueTree& node)
{
    for (int n = 0; n < 3; ++n)
    {
        const auto& hk = Tags::hotkey (n);
        const int mods = (intProp (node, hk.ctrl) | intProp (node, hk.shift) << 1 | intProp (node, hk.alt) << 2
                          | intProp (node, hk.cmd) << 3)
                         & 0x0F;
        // An unrecognised recorded key (−1) goes out as no key.
        const int key = juce::jmax (0, intProp (node, hk.key));
        r[(size_t) (2 * n)] = (uint8_t) (0x40 | mods);
        r[(size_t) (2 * n + 1)] = low7 (key);
    }
}

void fillHui (DeviceRecord& r, const juce::ValueTree& node, int slot, int value)
{
    r[0] = (uint8_t) ((slot << 4) | 0x0B);
    r[1] = 0xB0;
    int zone = -1, port = -1;
    if (! huiPairFor (node, value, zone, port))
        return;
    r[2] = 0x0F;
    r[3] = low7 (zone);
    r[4] = 0x2F;
    r[5] = low7 (port);
}

// Exactly 16 characters the LCD can show.
juce::String lcdText (const juce::ValueTree& node)
{
    auto text = Defa::getFormattedSendingText (node);
    juce::String safe;
    for (auto c : text)
        safe << ((c >= 0x20 && c < 0x7F) ? juce::String::charToString (c) : juce::String (" "));
    return safe.substring (0, lcdTextChars).paddedRight (' ', lcdTextChars);
}
} // namespace

int wheelString2value (const juce::String& name)
{
    return name.removeCharacters (" ").equalsIgnoreCase (juce::String ("Wheel Up").removeCharacters (" ")) ? 1 : 2;
}

void packWireRecords (const SlotRecords& records, std::vector<uint8_t>& block)
{
    block.resize ((size_t) mappingBlockBytes);
    for (size_t k = 0; k < records.size(); ++k)
    {
        const auto& r = records[k];
        auto* w = block.data() + k * wireRecordBytes;
        w[0] = low7 (r[0]);
        w[1] = (uint8_t) (r[1] >> 4);
        w[2] = (uint8_t) (r[1] & 0x0F);
        for (size_t i = 2; i < recordBytes; ++i)
            w[i + 1] = low7 (r[i]);
    }
}

void encodeSlot (const CtlStore& store, int slot, const SendFlags& sendFlags, SlotEncoding out)
{
    const auto mode = store.getModeOfSlot (slot);
    if (mode.isValid())
        out.records = factoryTableForMode (mode);

    const bool mackie = mode.isMack();
    for (int j = 0; j < (int) out.records.size(); ++j)
    {
        auto& tagged = out.records[(size_t) j];
        if ((tagged[0] >> 4) <= 3)
            tagged[0] = (uint8_t) ((slot << 4) | (tagged[0] & 0x0F));

        const int cid = j + 1;
        const int aid = cid2aid (cid);
        if (aid < 0)
            continue;
        auto& r = out.records[(size_t) aid];

        const int lock = store.getControlOfSlot (cid, slot).getProperty (Tags::lockBy, MyConf::CidNil);
        const int eff = lock != 0 ? lock : cid;
        const int kind = ctlTypeForCid (eff);
        const auto node = store.getControlOfSlot (eff, slot);
        const auto vtText = node.getProperty (Tags::valueType, "nil").toString();
        const CtlValueType vt (vtText);
        const int value = node.getProperty (Tags::value);
        // "nil" and unknown texts leave the record as it is; only the slugs themselves count.
        const bool known = vt.getSlug() == vtText.trim();

        if (known)
        {
            switch ((int) vt)
            {
                case CtlValueType::func: fillFunc (r, node, slot, mackie, kind, value); break;
                case CtlValueType::midi: fillMidi (r, node, slot, cid, value); break;
                case CtlValueType::hotkey: fillHotkey (r, node); break;
                case CtlValueType::mouse: r = { 0x50, 0, 0, (uint8_t) wheelString2value (node.getProperty (Tags::keyName)), 0, 0, r[6] }; break;
                case CtlValueType::hui: fillHui (r, node, slot, value); break;
                case CtlValueType::null: r = { (uint8_t) (slot << 4), 0, 0, 0, 0, 0, r[6] }; break;
                default: break;
            }
        }

        if (aid >= firstTransportRecord && aid <= lastTransportRecord)
            r[6] = (uint8_t) ((sendFlags[0] | sendFlags[1] << 1 | sendFlags[2] << 2) & 7);

        // Only LCD records have a text entry, whatever a loaded file locks to what.
        if (controlIsLcdButton (eff) && juce::isPositiveAndBelow (aid, numOfLcdTexts))
            out.texts.set (aid, addFrontByteForText (lcdText (node)));
    }

    packWireRecords (out.records, out.block);
}
} // namespace NsDorna
