#include "Digest.h"
#include "Host.h"
#include "LinkState.h"
#include "MappingEncoder.h"
#include "Transfer.h"

namespace NsDorna
{
namespace
{
void encodeChangedSlot (Host& host, int s)
{
    const auto i = (size_t) s;
    if (! bChged[i])
        return;
    const SendFlags flags { g_slotSendSettings[i][0], g_slotSendSettings[i][1], g_slotSendSettings[i][2] };
    encodeSlot (host.getCtlStore(), s, flags, { arrCurrMode[i], g_sendingDataForCurrMode[i], g_flagsTextsForSlot[i] });
}
} // namespace

void updateArrayOfDataAndTexts()
{
    if (auto* host = Host::getInstance())
        for (int s = 0; s < 3; ++s)
            encodeChangedSlot (*host, s);
}

void updateAndSend()
{
    auto* host = Host::getInstance();
    if (host == nullptr)
        return;

    for (int s = 0; s < 3; ++s)
    {
        const auto i = (size_t) s;
        // Encoded right before its own transfer, so edits made while an earlier slot was
        // being sent are in it; once encoded, the change is taken up.
        encodeChangedSlot (*host, s);
        bToSend[i] = bToSend[i] || bChged[i];
        bChged[i] = false;
        if (! bToSend[i])
            continue;

        g_currDigests[i] = digestForSlot (g_sendingDataForCurrMode[i], g_flagsTextsForSlot[i]);
        if (! host->getCtlModeOfSlot (s).isValid())
            continue;

        // An edit made during the transfer sets bChged again and goes out on a later tick.
        if (host->sendCurrMappings (s).wasOk())
        {
            bToSend[i] = false;
            g_givenUp[i] = false;
        }
        else if (++MyConf::cntForResend > 1)
        {
            bToSend[i] = false;
            g_givenUp[i] = true;
        }
    }
}
} // namespace NsDorna
