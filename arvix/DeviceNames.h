#pragma once

#include <juce_core/juce_core.h>

// The maker's MIDI port names: filters over the port lists, firmware-mode ports, port numbers and the
// choice of a device's port. Port lists come from the MIDI port layer (link/MidiPorts.h) at every call.
namespace arvix
{
namespace DeviceHelpers
{
bool validDeviceName (const juce::String& name, bool application, bool unfiltered, bool toolMode);
// The port list of the direction without duplicates and blank names, filtered by validDeviceName
// (with the tool mode of the wizard's current target).
juce::StringArray getDeviceNames0 (bool output, bool application, bool unfiltered);
// The same with firmware-mode ports shown as "Arvix firmware upgrade manager": the list the user sees.
juce::StringArray getDeviceNames (bool output, bool application, bool unfiltered);
// Ports of devices in their normal (application) mode.
juce::StringArray getIapDeviceNames (bool output, bool strict);
juce::String convFwug (const juce::String& name);
// Back from a shown output name to the port name.
juce::String convFwugMan (const juce::String& shown);
} // namespace DeviceHelpers

// How many raw port names of the direction contain text (case-sensitive, duplicates counted).
int numberForDevice (const juce::String& text, bool output);
// Index in getDeviceNames0 (output, true, true) of the first name containing text, or -1.
int indexForFirstDevice (const juce::String& text, bool output);
juce::String firstTargetNameByPid (int pid, const juce::StringArray& names);
// Physical devices of pid among the output ports: their first ports counted.
int cntPureTargets (int pid);
// The port of pid with the highest port number (the earliest on a tie); with fallback and no such
// port, the last generic port of the maker; else empty.
juce::String getFirstTarWithMaxPortNum (const juce::StringArray& names, int pid, bool fallback);
// The trailing digit of a secondary port's name (macOS form); 1 for a name without one.
int getPortNumOfDevc (const juce::String& name);
bool isDevcWithPortP (const juce::String& name);
// Input and output twins bear the same name on this platform.
juce::String switchDevcNameToInOrOut (const juce::String& name, bool toInput);
// A port of a device in its firmware-upgrade mode (or, in test mode, a generic port of the maker).
bool check_device_with_step3_logic (const juce::String& name);
// The digit just before the first '.', or 0.
int getDevcMainVersion (const juce::String& name);
} // namespace arvix
