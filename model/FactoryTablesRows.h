#pragma once

#include "MyConf.h"

#include <array>
#include <vector>

// The factory data as written down: per mode, the records of the LCD buttons and of buttons
// 207-212 as tokens (decoded by decodeFactoryToken), and the default names of factory hotkeys.
namespace NsDorna::FactoryData
{
struct FactoryRows
{
    int mode;
    const char* slug;
    const char* lcd[5];  // LCD buttons 101-116, 117-132, 133-148, 149-164, 165-180: 16 tokens each
    const char* buttons; // buttons 207-212: 6 tokens
};

// Indexed by mode - 1; mode 14 has mode 2's rows.
const std::array<const FactoryRows*, MyConf::numOfModes>& factoryRowsOfModes();

struct HotkeyNameRun
{
    int firstCid;
    std::vector<const char*> names; // for firstCid, firstCid + 1, ...
};

struct ModeHotkeyNames
{
    int mode;
    const char* slug;
    std::vector<HotkeyNameRun> runs;
};

// Modes 1-18 in order.
const std::vector<ModeHotkeyNames>& hotkeyNamesOfModes();
} // namespace NsDorna::FactoryData
