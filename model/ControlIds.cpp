#include "ControlIds.h"

#include "CtlEnums.h"
#include "ModelState.h"

namespace NsDorna
{
bool mod2ptcl::operator() (int mode) const noexcept { return ! CtlMode (mode).isMack(); }

int tyva2index::operator() (int statusNibble) const noexcept
{
    switch (statusNibble)
    {
        case 9: return 0;
        case 11: return 1;
        case 12: return 2;
        case 14: return 3;
        case 0: return 4;
        default: return -1;
    }
}

namespace
{
bool inAnyLayer (int cid, const std::array<int, 5>& firsts)
{
    for (auto first : firsts)
        if (inRange() (cid, first, first + 7))
            return true;
    return false;
}

bool isKnobRange (int cid) { return inAnyLayer (cid, knob1Cids); }
bool isMonRange (int cid) { return inAnyLayer (cid, mon1Cids); }
} // namespace

int cid2aid (int cid)
{
    const inRange in;
    if (! checkCid() (cid))
        return -1;
    if (in (cid, 1, 9)) return cid + 114;
    if (in (cid, 19, 27)) return cid + 116;
    if (in (cid, 10, 18)) return cid + 96;
    if (in (cid, 28, 36)) return cid + 98;
    if (controlIsLcdButton (cid)) return cid - 101;
    // layer 1 was taken above, so these only match layers 2 to 5
    if (isKnobRange (cid)) return cid + 133;
    if (isMonRange (cid)) return cid + 117;
    if (in (cid, 189, 194)) return cid - 101;
    if (in (cid, 213, 214)) return cid - 89;
    if (in (cid, 207, 212)) return cid - 125;
    return -1;
}

int ctlTypeForCid (int cid)
{
    if (controlIsKnob (cid)) return CtlType::knob;
    if (controlIsFader (cid)) return CtlType::fader;
    return CtlType::button;
}

bool controlIsKnob (int cid) { return isKnobRange (cid); }
bool controlIsFader (int cid) { return inRange() (cid, 19, 27); }
bool controlIsButton (int cid) { return ! controlIsKnob (cid) && ! controlIsFader (cid); }
bool controlIsLcdButton (int cid) { return inRange() (cid, firstLcdCid, lastLcdCid); }
bool controlIsJogWhl (int cid) { return cid == 9; }
bool controlIsPedal (int cid) { return inRange() (cid, 213, 214); }

bool controlIsHuiFixedButton (int cid)
{
    if (getIndexFor() (cid, cidOfLcdBtnsWhichCantChg) < 0)
        return false;
    return ! currentMode().isMack();
}
} // namespace NsDorna
