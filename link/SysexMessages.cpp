#include "SysexMessages.h"

#include "LinkState.h"

namespace NsDorna
{
namespace
{
std::vector<uint8_t> header (int pid, uint8_t command, uint8_t slotMode)
{
    std::vector<uint8_t> m (preSend, preSend + Messages::startSize());
    m[3] = (uint8_t) ((pid >> 7) & 0x7F);
    m[4] = (uint8_t) (pid & 0x7F);
    m[5] = command;
    m[6] = slotMode;
    return m;
}

juce::MidiMessage toMessage (const std::vector<uint8_t>& bytes)
{
    return juce::MidiMessage (bytes.data(), (int) bytes.size());
}
} // namespace

uint8_t slotModeByte (int slot, int mode, int minMode)
{
    mode = juce::jmax (minMode, mode);
    return (uint8_t) (((slot << 5) & 0x60) | (mode & 0x1F));
}

juce::MidiMessage makeDigestMessage (int pid, int slot, int mode, int digest, uint8_t command)
{
    auto m = header (pid, command, slotModeByte (slot, mode, 0));
    m[7] = (uint8_t) (digest & 0x7F);
    m[8] = 0xF7;
    return toMessage (m);
}

juce::MidiMessage makeDataPart (int pid, int slot, int mode, const std::vector<uint8_t>& mappingBlock, int part)
{
    auto m = header (pid, Cmd::dataPart, slotModeByte (slot, mode, 1));
    m[7] = (uint8_t) part;
    m[8] = (uint8_t) MyConf::numOfPartDataSendingBtns;
    m.resize (9);

    const auto partBytes = (size_t) MyConf::numOfPartDataSendingBtns * wireRecordBytes;
    const auto from = (size_t) (part - 1) * partBytes;
    const auto to = juce::jmin (from + partBytes, mappingBlock.size());
    for (auto i = from; i < to; ++i)
        m.push_back (mappingBlock[i] & 0x7F);
    m.push_back (0xF7);
    return toMessage (m);
}

juce::MidiMessage makeTextPart (int pid, int slot, int mode, const juce::StringArray& texts, int part)
{
    auto m = header (pid, Cmd::textPart, slotModeByte (slot, mode, 1));
    m[7] = (uint8_t) part;
    m[8] = (uint8_t) MyConf::numOfPartTextSendingBtns;
    m.resize (9);

    const int first = (part - 1) * MyConf::numOfPartTextSendingBtns;
    for (int i = first; i < first + MyConf::numOfPartTextSendingBtns; ++i)
    {
        const auto entry = texts[i].toRawUTF8();
        // Every entry is 17 single-byte characters; anything else is blanked rather than let through.
        bool wellFormed = texts[i].length() == lcdTextChars + 1;
        for (int c = 0; wellFormed && c <= lcdTextChars; ++c)
            wellFormed = (uint8_t) entry[c] != 0 && (uint8_t) entry[c] < 0x80;
        const auto safe = wellFormed ? texts[i] : nilLcdEntry();
        for (int c = 0; c <= lcdTextChars; ++c)
            m.push_back ((uint8_t) safe.toRawUTF8()[c]);
    }
    m.push_back (0xF7);
    return toMessage (m);
}

juce::MidiMessage midiExtra() { return juce::MidiMessage (0xEF, 0x7F, 0x7F); }

juce::MidiMessage hostPlatformMessage (uint8_t value) { return juce::MidiMessage (0xEC, Cmd::hostPlatform, value & 0x7F); }
} // namespace NsDorna
