#include "FactoryTables.h"

#include "ControlIds.h"
#include "CtlEnums.h"
#include "FactoryTablesRows.h"

#include <algorithm>
#include <vector>

namespace NsDorna
{
namespace
{
// A stored pair byte read as signed: 0xFF is -1 (no function).
constexpr HuiPair hx (int zone, int port)
{
    return { (int8_t) (zone > 127 ? zone - 256 : zone), (int8_t) (port > 127 ? port - 256 : port) };
}
} // namespace

const std::array<HuiPair, MyConf::numOfPtFuncItems> PtBtnValuePair {
    hx (0xFF, 0xFF), hx (0x0E, 0x43), hx (0x0E, 0x44), hx (0x0E, 0x41), hx (0x0E, 0x42), hx (0x0E, 0x45), hx (0x0F, 0x43), hx (0x08, 0x40), // 0-7
    hx (0x08, 0x41), hx (0x08, 0x42), hx (0x08, 0x43), hx (0x08, 0x44), hx (0x08, 0x45), hx (0x08, 0x47), hx (0x09, 0x40), hx (0x09, 0x41), // 8-15
    hx (0x09, 0x42), hx (0x09, 0x43), hx (0x09, 0x45), hx (0x0A, 0x40), hx (0x0A, 0x41), hx (0x0A, 0x42), hx (0x0A, 0x43), hx (0x0B, 0x47), // 16-23
    hx (0x0B, 0x46), hx (0x0B, 0x45), hx (0x0B, 0x44), hx (0x0B, 0x43), hx (0x0B, 0x42), hx (0x0B, 0x41), hx (0x0B, 0x40), hx (0x0B, 0x48), // 24-31
    hx (0x0C, 0x40), hx (0x0C, 0x41), hx (0x0C, 0x42), hx (0x0C, 0x43), hx (0x0D, 0x40), hx (0x0D, 0x41), hx (0x0D, 0x42), hx (0x0D, 0x43), // 32-39
    hx (0x0D, 0x44), hx (0x0D, 0x45), hx (0x0F, 0x40), hx (0x0F, 0x41), hx (0x0F, 0x42), hx (0x0F, 0x44), hx (0x00, 0x46), hx (0x10, 0x41), // 40-47
    hx (0x10, 0x42), hx (0x10, 0x43), hx (0x10, 0x44), hx (0x14, 0x40), hx (0x15, 0x40), hx (0x15, 0x41), hx (0x15, 0x42), hx (0x18, 0x40), // 48-55
    hx (0x18, 0x41), hx (0x18, 0x42), hx (0x18, 0x43), hx (0x18, 0x44), hx (0x18, 0x45), hx (0x19, 0x42), hx (0x1A, 0x40), hx (0x1A, 0x41), // 56-63
    hx (0x1A, 0x43), hx (0x1A, 0x44), hx (0x1A, 0x45), hx (0x1B, 0x47), hx (0x1C, 0x41), hx (0x1C, 0x46), hx (0x1C, 0x47), hx (0x00, 0x00), // 64-71
    hx (0x00, 0x40), hx (0x01, 0x40), hx (0x02, 0x40), hx (0x03, 0x40), hx (0x04, 0x40), hx (0x05, 0x40), hx (0x06, 0x40), hx (0x07, 0x40), // 72-79
    hx (0x00, 0x41), hx (0x01, 0x41), hx (0x02, 0x41), hx (0x03, 0x41), hx (0x04, 0x41), hx (0x05, 0x41), hx (0x06, 0x41), hx (0x07, 0x41), // 80-87
    hx (0x00, 0x42), hx (0x01, 0x42), hx (0x02, 0x42), hx (0x03, 0x42), hx (0x04, 0x42), hx (0x05, 0x42), hx (0x06, 0x42), hx (0x07, 0x42), // 88-95
    hx (0x00, 0x43), hx (0x01, 0x43), hx (0x02, 0x43), hx (0x03, 0x43), hx (0x04, 0x43), hx (0x05, 0x43), hx (0x06, 0x43), hx (0x07, 0x43), // 96-103
    hx (0x00, 0x47), hx (0x01, 0x47), hx (0x02, 0x47), hx (0x03, 0x47), hx (0x04, 0x47), hx (0x05, 0x47), hx (0x06, 0x47), hx (0x07, 0x47), // 104-111
    hx (0x00, 0x44), hx (0x01, 0x44), hx (0x02, 0x44), hx (0x03, 0x44), hx (0x04, 0x44), hx (0x05, 0x44), hx (0x06, 0x44), hx (0x07, 0x44), // 112-119
    hx (0xFF, 0xFF), // 120
};

const HuiPair* ptBtnValuePairFor (int fn)
{
    return inRange() (fn, 0, MyConf::numOfPtFuncItems - 1) ? &PtBtnValuePair[(size_t) fn] : nullptr;
}

int v1v2toFnIndex::operator() (int first, int second) const
{
    // faders and knobs carry their function number in the second value
    if (first >= 32)
        return second;
    for (int i = 0; i < MyConf::numOfPtFuncItems; ++i)
        if (PtBtnValuePair[(size_t) i].zone == first && PtBtnValuePair[(size_t) i].port == second)
            return i;
    return -1;
}

bool winCtrl2macCmdQ::operator() (int cid, bool ctrl, bool cmd, bool isMac, int mode) const
{
    return isMac && ctrl && ! cmd && mode != CtlMode::logic && inRange() (cid, 133, 180);
}

namespace
{
constexpr FactoryRecord noRecord {};

FactoryRecord note (int n) { return { 0x09, 0x90, (uint8_t) n, 0x7F, 0, 0, 0 }; }

std::optional<int> decimal (const juce::String& text, int lo, int hi)
{
    if (text.isEmpty() || text.length() > 3 || ! text.containsOnly ("0123456789"))
        return std::nullopt;
    const int v = text.getIntValue();
    return inRange() (v, lo, hi) ? std::optional<int> (v) : std::nullopt;
}

std::optional<FactoryRecord> hotkeyToken (const juce::String& token)
{
    const juce::String letters = "csam"; // bits 0-3: ctrl, shift, alt, cmd
    int modifiers = 0;
    int i = 1;
    for (; i < token.length(); ++i)
    {
        const int bit = letters.indexOfChar (token[i]);
        if (bit < 0)
            break;
        if ((modifiers & (1 << bit)) != 0)
            return std::nullopt;
        modifiers |= 1 << bit;
    }
    const auto key = decimal (token.substring (i), 1, 127);
    if (! key)
        return std::nullopt;
    return FactoryRecord { (uint8_t) (0x40 | modifiers), (uint8_t) *key, 0, 0, 0, 0, 0 };
}

std::optional<FactoryRecord> huiButtonToken (const juce::String& token)
{
    const auto zone = decimal (token.upToFirstOccurrenceOf (".", false, false), 0, 127);
    const auto port = decimal (token.fromFirstOccurrenceOf (".", false, false), 0, 127);
    if (! zone || ! port)
        return std::nullopt;
    return FactoryRecord { 0x2B, 0xB0, 0x0F, (uint8_t) *zone, 0x2F, (uint8_t) *port, 0 };
}
} // namespace

std::optional<FactoryRecord> decodeFactoryToken (const juce::String& token)
{
    if (token == "-")
        return FactoryRecord { 0x30, 0, 0, 0, 0, 0, 0 };
    if (token == "z")
        return FactoryRecord { 0x20, 0, 0, 0, 0, 0, 0 };
    if (token.startsWithChar ('k'))
        return hotkeyToken (token);
    if (token.containsChar ('.'))
        return huiButtonToken (token);
    if (const auto n = decimal (token, 0, 127))
        return note (*n);
    return std::nullopt;
}

namespace
{
void put (FactoryTable& table, int cid, const FactoryRecord& record)
{
    const int aid = cid2aid (cid);
    jassert (aid >= 0);
    table[(size_t) aid] = record;
}

FactoryRecord bytes (int b0, int b1, int b2, int b3, int b4 = 0, int b5 = 0)
{
    return { (uint8_t) b0, (uint8_t) b1, (uint8_t) b2, (uint8_t) b3, (uint8_t) b4, (uint8_t) b5, 0 };
}

// Records that every Mackie mode shares (the group nibble 0 stands for the slot, set when sent).
void putCommonMackieRecords (FactoryTable& t, int loopNote)
{
    for (size_t layer = 0; layer < knob1Cids.size(); ++layer)
    {
        for (int k = 0; k < 8; ++k)
        {
            put (t, knob1Cids[layer] + k, bytes (0x0B, 0xB0, 16 + k, 0x40)); // CC 16 + k, relative
            put (t, mon1Cids[layer] + k, note (32 + k));
        }
    }
    put (t, 9, bytes (0x0B, 0xB0, 60, 0x40)); // jog wheel: CC 60, relative
    put (t, 18, note (101));
    for (int n = 0; n < 9; ++n)
    {
        put (t, 19 + n, bytes (0x0E, 0xE0 | n, 0, 0x7F)); // fader: pitch bend on channel n + 1
        put (t, 28 + n, note (104 + n));                  // its touch button
    }
    const int transport[6] = { 91, 92, loopNote, 93, 94, 95 };
    for (int i = 0; i < 6; ++i)
        put (t, 189 + i, note (transport[i]));
    put (t, 213, note (102));
    put (t, 214, note (103));
}

FactoryRecord huiButton (int zone, int port) { return bytes (0x2B, 0xB0, 0x0F, zone, 0x2F, port); }

void putHuiRecords (FactoryTable& t)
{
    for (size_t layer = 0; layer < knob1Cids.size(); ++layer)
    {
        for (int k = 0; k < 8; ++k)
        {
            put (t, knob1Cids[layer] + k, bytes (0x2B, 0xB0, 0x40 + k, 0x40));
            put (t, mon1Cids[layer] + k, huiButton (k, 0x44));
        }
    }
    put (t, 9, huiButton (0x0D, 0x40));
    put (t, 18, huiButton (0x0D, 0x45));
    for (int n = 0; n < 9; ++n)
        put (t, 19 + n, bytes (0x2B, 0xB0, n, 0x00, 0x20 + n));
    for (int n = 0; n < 8; ++n)
        put (t, 28 + n, huiButton (n, 0x40));
    put (t, 36, huiButton (0x00, 0x00));
    const int transport[6][2] = { { 0x0E, 0x41 }, { 0x0E, 0x42 }, { 0x0F, 0x43 }, { 0x0E, 0x43 }, { 0x0E, 0x44 }, { 0x0E, 0x45 } };
    for (int i = 0; i < 6; ++i)
        put (t, 189 + i, huiButton (transport[i][0], transport[i][1]));
    put (t, 213, bytes (0x29, 0x90, 0x66, 0x7F)); // MIDI notes 102, 103
    put (t, 214, bytes (0x29, 0x90, 0x67, 0x7F));
}

// Decodes one row of tokens into the records of cid, cid + 1, ...; a malformed row leaves all of
// its records zero, which the tests catch.
void putRow (FactoryTable& t, int firstCid, int count, const char* row)
{
    juce::StringArray tokens;
    tokens.addTokens (row, " ", "");
    tokens.removeEmptyStrings();
    std::vector<FactoryRecord> records;
    for (const auto& token : tokens)
        if (const auto r = decodeFactoryToken (token))
            records.push_back (*r);
    if ((int) records.size() != count || tokens.size() != count)
    {
        jassertfalse;
        return;
    }
    for (int i = 0; i < count; ++i)
        put (t, firstCid + i, records[(size_t) i]);
}

FactoryTable buildTable (const FactoryData::FactoryRows& rows)
{
    FactoryTable t;
    t.fill (noRecord);
    if (CtlMode (rows.mode).isMack())
        putCommonMackieRecords (t, rows.mode == CtlMode::cakewalk ? 85 : 86);
    else
        putHuiRecords (t);
    for (int group = 0; group < 5; ++group)
        putRow (t, firstLcdCid + lcdColumns * group, lcdColumns, rows.lcd[group]);
    putRow (t, 207, 6, rows.buttons);
    return t;
}
} // namespace

const std::array<const FactoryTable*, MyConf::numOfModes>& daws0()
{
    static const auto tables = [] {
        static std::array<FactoryTable, MyConf::numOfModes> storage {};
        std::array<const FactoryTable*, MyConf::numOfModes> result {};
        const auto& rows = FactoryData::factoryRowsOfModes();
        for (size_t m = 0; m < rows.size(); ++m)
        {
            // a mode written with another mode's rows (14 with 2's) shares that mode's table
            const auto first = (size_t) (std::find (rows.begin(), rows.end(), rows[m]) - rows.begin());
            if (first == m)
                storage[m] = buildTable (*rows[m]);
            result[m] = &storage[first];
        }
        return result;
    }();
    return tables;
}

const FactoryTable& factoryTableForMode (int mode)
{
    static const FactoryTable none {};
    return checkModeIndex() (mode) ? *daws0()[(size_t) (mode - 1)] : none;
}

juce::String defaHotkeyNameOfMode (int mode, int cid)
{
    constexpr int firstCid = 117, lastCid = 180;
    if (! checkModeIndex() (mode) || ! inRange() (cid, firstCid, lastCid))
        return {};
    const auto& modes = FactoryData::hotkeyNamesOfModes();
    const auto& entry = modes[(size_t) (mode - 1)];
    jassert (entry.mode == mode);
    for (const auto& run : entry.runs)
        if (inRange() (cid, run.firstCid, run.firstCid + (int) run.names.size() - 1))
            return run.names[(size_t) (cid - run.firstCid)];
    return {};
}
} // namespace NsDorna
