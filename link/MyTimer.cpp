#include "MyTimer.h"

#include "Host.h"
#include "LinkState.h"
#include "MidiInputHandler.h"
#include "Transfer.h"
#include "LinkState.h"
#include "arvix/DeviceNames.h"

namespace NsDorna
{
namespace
{
bool any (const std::array<bool, 3>& flags) { return flags[0] || flags[1] || flags[2]; }

// Slots given up while the device was away go out again once it is back.
void resendGivenUpSlotsIfDeviceIsBack (const juce::StringArray& devices)
{
    const bool present = arvix::getFirstTarWithMaxPortNum (devices, g_pid, true).isNotEmpty();
    if (present && ! std::exchange (MyConf::devicePresentQ, present))
        for (size_t s = 0; s < 3; ++s)
            if (std::exchange (g_givenUp[s], false))
                bChged[s] = true;
    MyConf::devicePresentQ = present;
}
} // namespace

void MyTimer::timerCallback()
{
    stopTimer();
    const auto devices = ports::getOutputNames();

    if (MyConf::autoConnQ && ! MyConf::sendingQ)
        connDevcOrNot (g_pid, MyConf::willConnQ);

    if (! MyConf::sendingQ)
    {
        resendGivenUpSlotsIfDeviceIsBack (devices);
        if (devices != MyConf::lastDevcsList)
            MyConf::bSentCmdMacQ = false;
        if (! MyConf::bSentCmdMacQ)
        {
            if (MyConf::cntOfTheCmdMacQ % 2 == 0)
            {
                auto* host = Host::getInstance();
                if (host != nullptr && host->broadcastToTarget (g_pid, 42, isMacOS() ? 1 : 0))
                {
                    MyConf::bSentCmdMacQ = true;
                    MyConf::lastDevcsList = devices;
                }
            }
            ++MyConf::cntOfTheCmdMacQ;
        }
    }

    const bool changed = any (bChged);
    if (changed)
        MyConf::cntForResend = 0;

    const bool pending = any (bToSend) || changed;
    if (MyConf::autoSendQ && pending)
        updateAndSend();

    startTimer (pending ? slowMs : fastMs);
}

MyTimer& startDeviceLinkTimer()
{
    if (g_timer == nullptr)
    {
        g_timer = new MyTimer();
        g_timer->startTimer (MyTimer::slowMs);
    }
    return *g_timer;
}
} // namespace NsDorna
