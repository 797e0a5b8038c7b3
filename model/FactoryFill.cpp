#include "CtlStore.h"

#include "DisplayTexts.h"
#include "FactoryTables.h"
#include "FuncNames.h"
#include "HostPlatform.h"

// The factory fill: decodes a mode's factory records into its control nodes.
namespace NsDorna
{
namespace
{
constexpr int groupNull = 3, groupHotkey = 4, groupMouse = 5, groupHui = 6;
constexpr int firstHotkeyNameCid = 117;
constexpr int modBitCtrl = 1, modBitShift = 2, modBitAlt = 4, modBitCmd = 8;

juce::String slugOf (CtlValueType::ID vt) { return CtlValueType::slugForType (vt); }

void setSendFlags (juce::ValueTree slotNode, int slot)
{
    for (int i = 0; i < 3; ++i)
        slotNode.setProperty (Tags::daw (i), g_slotSendSettings0[slot][i], nullptr);
}

// What the fill reads from one factory record.
struct Decoded
{
    int group, low;
    int mods[3], keys[3];
};

Decoded decode (const FactoryRecord& r, int cid, int mode)
{
    Decoded d { r[0] >> 4, r[0] & 0x0F, { r[0] & 0x0F, r[2] & 0x0F, r[4] & 0x0F }, { r[1], r[3], r[5] } };
    const int keysSet = (d.keys[0] != 0) + (d.keys[1] != 0) + (d.keys[2] != 0);
    // a Mac host gets Cmd where the factory shortcut says Ctrl
    if (keysSet == 1
        && winCtrl2macCmdQ() (cid, (d.mods[0] & modBitCtrl) != 0, (d.mods[0] & modBitCmd) != 0, hostIsMac(), mode))
        d.mods[0] = (d.mods[0] & ~modBitCtrl) | modBitCmd;
    return d;
}

void setHotkeys (juce::ValueTree ctl, const Decoded& d)
{
    for (int n = 0; n < 3; ++n)
    {
        const auto& ids = Tags::hotkey (n);
        ctl.setProperty (ids.ctrl, (d.mods[n] & modBitCtrl) != 0 ? 1 : 0, nullptr);
        ctl.setProperty (ids.shift, (d.mods[n] & modBitShift) != 0 ? 1 : 0, nullptr);
        ctl.setProperty (ids.alt, (d.mods[n] & modBitAlt) != 0 ? 1 : 0, nullptr);
        ctl.setProperty (ids.cmd, (d.mods[n] & modBitCmd) != 0 ? 1 : 0, nullptr);
        ctl.setProperty (ids.key, d.keys[n], nullptr);
        ctl.setProperty (ids.keyName, nameForUsbKeyCode (d.keys[n]), nullptr);
    }
}

// Mackie records know no HUI group: there it reads like the MIDI groups.
CtlValueType::ID valueTypeOf (int group, bool funcLow, bool huiMode)
{
    switch (group)
    {
        case groupHui:
            if (huiMode)
                return CtlValueType::hui;
            break;
        case groupMouse: return CtlValueType::mouse;
        case groupHotkey: return CtlValueType::hotkey;
        case groupNull: return CtlValueType::null;
        default: break;
    }
    return funcLow ? CtlValueType::func : CtlValueType::midi;
}

void fillMackie (juce::ValueTree ctl, int cid, int mode, const FactoryRecord& r, const Decoded& d)
{
    const bool knob = ctlTypeForCid (cid) == CtlType::knob;
    const int chan = (r[1] & 0x0F) + 1;
    const int value = r[2];
    const int rotate = knob ? (r[3] == 64 ? 1 : 2) : 0;
    auto name = Defa::getNamedFuncForMidi (mode, d.low, value, 0).trim();

    const auto vt = valueTypeOf (d.group, d.low == 9 || d.low == 0, false);

    if (controlIsLcdButton (cid))
        ctl.setProperty (Tags::lockBy, MyConf::CidNil, nullptr);
    if (vt == CtlValueType::hotkey && inRange() (cid, firstHotkeyNameCid, lastLcdCid) && name.isEmpty())
        name = defaHotkeyNameOfMode (mode, cid);

    ctl.setProperty (Tags::valueType, slugOf (vt), nullptr);
    ctl.setProperty (Tags::value, value, nullptr);
    ctl.setProperty (Tags::name, name, nullptr);

    if (vt == CtlValueType::hotkey)
    {
        setHotkeys (ctl, d);
    }
    else if (vt == CtlValueType::midi)
    {
        const int msg = tyva2index() (d.low);
        ctl.setProperty (Tags::type, msg >= 0 ? MsgType::slugForType (msg) : juce::String(), nullptr);
        ctl.setProperty (Tags::chan, chan, nullptr);
        ctl.setProperty (Tags::value, value, nullptr);
        if (knob)
            ctl.setProperty (Tags::rotate, rotate, nullptr);
    }
}

void fillHui (juce::ValueTree ctl, int cid, const FactoryRecord& r, const Decoded& d)
{
    constexpr int mode = MyConf::huiModeValue;
    const int kind = ctlTypeForCid (cid);
    const bool pedal = controlIsPedal (cid);
    const bool null = d.group <= groupNull && d.low == 0;
    const int chan = (r[1] & 0x0F) + 1;
    const int value = r[2];

    int first = -1, second = -1;
    if (kind == CtlType::button)
    {
        first = r[3];
        second = r[5];
    }
    else if (kind == CtlType::fader)
    {
        first = r[4] & 0xF0;
        second = r[4] & 0x0F;
    }
    else if (kind == CtlType::knob)
    {
        first = r[3] & 0xF0;
        second = r[2] & 0x0F;
    }

    const int fn = null ? 0 : v1v2toFnIndex() (first, second);
    if (null)
        first = second = -1;

    // a pedal's status nibble is no control kind, so it finds no name
    auto name = (pedal ? Defa::getNamedFuncForMidi (mode, d.low, value, 0)
                       : Defa::getNamedFuncForMidi (mode, kind, fn, 0)).trim();
    const auto vt = valueTypeOf (d.group, d.low == 11 || d.low == 0, true);

    if (controlIsLcdButton (cid))
        ctl.setProperty (Tags::lockBy, MyConf::CidNil, nullptr);
    ctl.setProperty (Tags::valueType, slugOf (vt), nullptr);

    if (pedal)
    {
        ctl.setProperty (Tags::chan, chan, nullptr);
        ctl.setProperty (Tags::value, value, nullptr);
    }
    else
    {
        ctl.setProperty (Tags::value, fn, nullptr);
    }

    if (vt == CtlValueType::hotkey && inRange() (cid, firstHotkeyNameCid, lastLcdCid))
        name = defaHotkeyNameOfMode (mode, cid);
    ctl.setProperty (Tags::name, name, nullptr);

    switch (vt)
    {
        case CtlValueType::hotkey:
            setHotkeys (ctl, d);
            break;
        case CtlValueType::midi:
            ctl.setProperty (Tags::name, name, nullptr);
            ctl.setProperty (Tags::diyNameQ, 0, nullptr);
            break;
        case CtlValueType::null:
            clearProps (ctl);
            break;
        case CtlValueType::func:
        case CtlValueType::hui:
        {
            if (name.isEmpty())
            {
                const int at = getIndexFor() (cid, cidOfLcdBtnsWhichCantChg);
                if (at >= 0)
                    name = initConstHuiName[(size_t) at];
            }
            ctl.setProperty (Tags::name, name, nullptr);
            ctl.setProperty (Tags::diyNameQ, 0, nullptr);
            ctl.setProperty (Tags::val1, first, nullptr);
            ctl.setProperty (Tags::val2, second, nullptr);
            break;
        }
        case CtlValueType::mouse:
            break;
    }
}
} // namespace

void CtlStore::setDefaValues()
{
    for (int slot = MyConf::baseSlotID; slot <= MyConf::maxSlotID; ++slot)
    {
        setSendFlags (getSlot (slot), slot);
        for (int mode = 1; mode <= MyConf::numOfModes; ++mode)
            setDefaValueForModeOfSlot (slot, mode);
    }
}

void CtlStore::setDefaValue()
{
    const int slot = state.getProperty (Tags::current);
    if (! checkSlotIndex() (slot))
        return;
    const auto slotNode = getSlot (slot);
    setSendFlags (slotNode, slot);
    // with no mode chosen yet (0) only the send flags are reset
    setDefaValueForModeOfSlot (slot, slotNode.getProperty (Tags::current));
}

void CtlStore::setDefaValueForModeOfSlot (int slot, int mode)
{
    if (! checkSlotIndex() (slot))
        return;
    const auto slotNode = getSlot (slot);
    if (! checkModeIndex() (mode))
        return;

    auto modeNode = slotNode.getChild (mode - 1);
    modeNode.setProperty (Tags::id, mode, nullptr);
    modeNode.setProperty (Tags::mode, CtlMode::slugForType (mode), nullptr);
    modeNode.setProperty (Tags::protocol, mod2ptcl() (mode) ? 1 : 0, nullptr);

    const auto& table = factoryTableForMode (mode);
    const bool mackie = CtlMode (mode).isMack();
    for (auto ctl : modeNode)
    {
        const int cid = ctl.getProperty (Tags::id, 0);
        const int aid = cid2aid (cid);
        if (aid < 0)
        {
            clearProps (ctl);
            continue;
        }
        const auto& record = table[(size_t) aid];
        const auto decoded = decode (record, cid, mode);
        clearProps (ctl);
        if (mackie)
            fillMackie (ctl, cid, mode, record, decoded);
        else
            fillHui (ctl, cid, record, decoded);
    }
}
} // namespace NsDorna
