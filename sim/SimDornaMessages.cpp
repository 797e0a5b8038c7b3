#include "SimDornaMessages.h"

namespace NsDorna::sim
{
int Wire::dataPartLength (int part)
{
    const int records = part == numDataParts ? numRecords % recordsPerDataPart : recordsPerDataPart;
    return records * recordBytes + 10;
}

namespace
{
using Kind = Inspected::Kind;

Inspected fault (Inspected r, const juce::String& problem)
{
    r.wellFormed = false;
    r.problem = problem;
    return r;
}

Inspected inspectShort (const juce::uint8* d, int n)
{
    Inspected r;
    if (n == 3 && d[0] == 0xEF && d[1] == 0x7F && d[2] == 0x7F)
        r.kind = Kind::filler;
    else if (n == 3 && d[0] == 0xEC && d[1] == 0x2A && d[2] < 0x80)
    {
        r.kind = Kind::announcement;
        r.value = d[2];
    }
    else
        return fault (r, "unexpected message " + juce::String::toHexString (d, n));
    r.wellFormed = true;
    return r;
}

Inspected inspectSysex (const juce::uint8* d, int n, int pid)
{
    Inspected r;
    if (n < 9)
        return fault (r, "SysEx of " + juce::String (n) + " bytes");

    switch (d[5])
    {
        case Wire::cmdDigestQuery: r.kind = Kind::digestQuery; break;
        case Wire::cmdDigestStore: r.kind = Kind::digestStore; break;
        case Wire::cmdDataPart:    r.kind = Kind::dataPart; break;
        case Wire::cmdTextPart:    r.kind = Kind::textPart; break;
        default: break;
    }
    r.forThisDevice = d[1] == 0x1D && d[2] == 0x03 && d[3] == ((pid >> 7) & 0x7F) && d[4] == (pid & 0x7F);
    r.slot = (d[6] >> 5) & 3;
    r.mode = d[6] & 0x1F;
    if (r.kind == Kind::digestQuery || r.kind == Kind::digestStore)
        r.digest = d[7];
    if (r.kind == Kind::dataPart || r.kind == Kind::textPart)
        r.part = d[7];

    if (d[n - 1] != 0xF7)
        return fault (r, "no F7 at the end");
    for (int i = 1; i < n - 1; ++i)
        if (d[i] >= 0x80)
            return fault (r, "data byte " + juce::String::toHexString ((int) d[i]) + " at " + juce::String (i));
    if (d[1] != 0x1D || d[2] != 0x03)
        return fault (r, "foreign header");
    if (d[3] != ((pid >> 7) & 0x7F) || d[4] != (pid & 0x7F))
        return fault (r, "product id " + juce::String ((d[3] << 7) | d[4]));
    if (r.kind == Kind::other)
        return fault (r, "unknown command " + juce::String::toHexString ((int) d[5]));
    if (r.slot > 2)
        return fault (r, "slot " + juce::String (r.slot));

    const bool digestMsg = r.kind == Kind::digestQuery || r.kind == Kind::digestStore;
    if (r.mode > 18 || (! digestMsg && r.mode < 1))
        return fault (r, "mode " + juce::String (r.mode));

    if (digestMsg)
    {
        if (n != 9)
            return fault (r, "digest message of " + juce::String (n) + " bytes");
    }
    else if (r.kind == Kind::dataPart)
    {
        if (r.part < 1 || r.part > Wire::numDataParts)
            return fault (r, "data part " + juce::String (r.part));
        if (n != Wire::dataPartLength (r.part))
            return fault (r, "data part " + juce::String (r.part) + " of " + juce::String (n) + " bytes");
        if (d[8] != Wire::recordsPerDataPart)
            return fault (r, "records per part " + juce::String (d[8]));
    }
    else
    {
        if (r.part < 1 || r.part > Wire::numTextParts)
            return fault (r, "text part " + juce::String (r.part));
        if (n != Wire::textPartLength)
            return fault (r, "text part " + juce::String (r.part) + " of " + juce::String (n) + " bytes");
        if (d[8] != Wire::textsPerTextPart)
            return fault (r, "texts per part " + juce::String (d[8]));
    }

    r.wellFormed = true;
    return r;
}
} // namespace

Inspected inspect (const juce::MidiMessage& message, int pid)
{
    const auto* d = message.getRawData();
    const auto n = message.getRawDataSize();
    if (n <= 0)
        return fault ({}, "empty message");
    return d[0] == 0xF0 ? inspectSysex (d, n, pid) : inspectShort (d, n);
}

juce::String kindName (Inspected::Kind kind)
{
    switch (kind)
    {
        case Kind::filler:       return "filler";
        case Kind::announcement: return "announcement";
        case Kind::digestQuery:  return "digest query";
        case Kind::digestStore:  return "digest store";
        case Kind::dataPart:     return "data part";
        case Kind::textPart:     return "text part";
        case Kind::other:        break;
    }
    return "other";
}
} // namespace NsDorna::sim
