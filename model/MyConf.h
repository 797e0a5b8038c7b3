#pragma once

// Compiled-in configuration of the editor.
namespace MyConf
{
constexpr int baseSlotID = 0;
constexpr int maxSlotID = baseSlotID + 3 - 1;
constexpr int defaSlotID = baseSlotID;
constexpr int numOfSlots = maxSlotID - baseSlotID + 1;

constexpr int numOfModes = 18;
constexpr int numOfCtlNodes = 226;   // control nodes per mode node
constexpr int maxEditableCid = 214;  // ids a user can select and edit
constexpr int numOfRecords = 226;    // device records per slot

constexpr int CidNil = 0;
constexpr int huiModeValue = 3;

constexpr int numOfPtFuncItems = 121;

constexpr const char* version = "1.32";
} // namespace MyConf
