#pragma once

#include <juce_core/juce_core.h>

// The maker's product catalogue: product ids, display names, port-name rules and per-product columns.
namespace arvix
{
class Product
{
public:
    enum PID : int
    {
        unknown = 2000, // no product identified; shown as "Unknown"
        dorna = 2054
    };

    Product() = default;
    Product (const PID& p) : pid (p) {}
    Product (const int& p) : pid (p) {}

    operator int() const { return pid; }
    operator PID() const { return isValid() ? static_cast<PID> (pid) : unknown; }

    bool isValid() const { return validPID (pid); }
    bool isUnknown() const { return pid == unknown; }
    bool operator== (const int& other) const { return pid == other; }

    juce::String getName() const { return getName (static_cast<PID> (pid)); }

    // Any value but 2000 is valid, listed in the catalogue or not.
    static bool validPID (int p) { return p != unknown; }
    // Display name from the active catalogue; "Unknown" for 2000 and every unlisted id.
    static juce::String getName (PID p);
    // The product a MIDI port name belongs to (first matching rule of the active catalogue), else 2000.
    static Product pidFromDeviceName (const juce::String& name);

private:
    int pid = unknown;
};

// "The target device of "<name>" is not found!"
juce::String jstrTarDevcNotFound (int pid);

// Per-product columns; an unlisted id gets the value noted.
int pid2Upgpid (int pid);    // id written into the upgrade request (the id itself)
int pid2QueryPid (int pid);  // id the firmware catalogue is looked up under (the id itself)
bool blhostP (int pid);      // written with the bootloader tool rather than over MIDI (false)
bool specialPidQ (int pid);  // opening the wizard for it selects the special catalogue (false)
// Wildcard a firmware file name of the product must match; empty: every name is accepted.
juce::String firmwareNameRule (int pid);
} // namespace arvix
