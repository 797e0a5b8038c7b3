#include "CtlStore.h"

namespace NsDorna
{
CtlStore::CtlStore() : state (Tags::slots)
{
    addMissingProps();
    setDefaValues();
}

CtlStore::CtlStore (juce::ValueTree& tree) : state (tree) {}

int CtlStore::getSlotIndex() const { return state.getProperty (Tags::current); }

juce::ValueTree CtlStore::getSlot (int slot) const
{
    if (slot == -1)
    {
        slot = state.getProperty (Tags::current, -1);
        if (slot == -1)
            slot = MyConf::defaSlotID;
    }
    return state.getChild (baseIgn() (slot));
}

CtlMode CtlStore::getModeOfSlot (int slot) const
{
    return CtlMode ((int) getSlot (slot).getProperty (Tags::current, 0));
}

CtlMode CtlStore::getCtlMode() const
{
    const int slot = state.getProperty (Tags::current, 0);
    if (! checkSlotIndex() (slot))
        return {};
    const int mode = state.getChild (slot).getProperty (Tags::current, 0);
    return checkModeIndex() (mode) ? CtlMode (mode) : CtlMode();
}

juce::ValueTree CtlStore::getControlOfSlot (int cid, int slot) const
{
    const auto slotNode = getSlot (slot);
    int mode = slotNode.getProperty (Tags::current, 0);
    if (mode == 0)
        mode = CtlMode::bitwig;
    return slotNode.getChild (mode - 1).getChild (base0() (cid));
}

juce::ValueTree CtlStore::getControl (int cid) const { return getControlOfSlot (cid, getSlotIndex()); }

void CtlStore::addMissingProps()
{
    state.setProperty (Tags::current, MyConf::defaSlotID, nullptr);
    state.setProperty (Tags::ver, MyConf::version, nullptr);
    state.removeAllChildren (nullptr);

    for (int i = MyConf::baseSlotID; i <= MyConf::maxSlotID; ++i)
    {
        juce::ValueTree slot (Tags::slot);
        slot.setProperty (Tags::id, i, nullptr);
        slot.setProperty (Tags::current, 0, nullptr);
        slot.setProperty (Tags::daw1, 0, nullptr);
        slot.setProperty (Tags::daw2, 0, nullptr);
        slot.setProperty (Tags::daw3, 0, nullptr);

        for (int m = 1; m <= MyConf::numOfModes; ++m)
        {
            juce::ValueTree mode (Tags::mode);
            mode.setProperty (Tags::id, m, nullptr);
            mode.setProperty (Tags::mode, CtlMode::slugForType (m), nullptr);
            mode.setProperty (Tags::protocol, mod2ptcl() (m) ? 1 : 0, nullptr);

            for (int k = 0; k < MyConf::numOfCtlNodes; ++k)
            {
                const int cid = k + 1;
                juce::ValueTree ctl (Tags::ctl);
                ctl.setProperty (Tags::id, cid, nullptr);
                ctl.setProperty (Tags::kind, CtlType::slugForType (ctlTypeForCid (cid)), nullptr);
                ctl.setProperty (Tags::valueType, "nil", nullptr);
                ctl.setProperty (Tags::value, 0, nullptr);
                ctl.setProperty (Tags::name, juce::String(), nullptr);
                if (controlIsLcdButton (cid))
                    ctl.setProperty (Tags::lockBy, MyConf::CidNil, nullptr);
                mode.appendChild (ctl, nullptr);
            }
            slot.appendChild (mode, nullptr);
        }
        state.appendChild (slot, nullptr);
    }
}

void clearProps (juce::ValueTree ctl)
{
    const CtlValueType vt (ctl.getProperty (Tags::valueType).toString());
    if (vt == CtlValueType::func || vt == CtlValueType::hotkey || vt == CtlValueType::mouse
        || vt == CtlValueType::hui)
        ctl.setProperty (Tags::name, juce::String(), nullptr);

    ctl.setProperty (Tags::valueType, CtlValueType::slugForType (CtlValueType::null), nullptr);
    ctl.setProperty (Tags::value, 0, nullptr);
    ctl.setProperty (Tags::ctrl, 0, nullptr);
    ctl.setProperty (Tags::shift, 0, nullptr);
    ctl.setProperty (Tags::alt, 0, nullptr);
    ctl.setProperty (Tags::cmd, 0, nullptr);
    ctl.setProperty (Tags::key, 0, nullptr);
    ctl.setProperty (Tags::keyName, juce::String(), nullptr);
    ctl.setProperty (Tags::type, "nil", nullptr);
    ctl.setProperty (Tags::chan, 0, nullptr);
    ctl.setProperty (Tags::value, 0, nullptr);
    ctl.setProperty (Tags::rotate, 0, nullptr);
    ctl.setProperty (Tags::val1, -1, nullptr);
    ctl.setProperty (Tags::val2, -1, nullptr);
}
} // namespace NsDorna
