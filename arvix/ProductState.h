#pragma once

// Process-wide state of the maker's device-identity code, kept together so tests can reset it.
// The firmware wizard sets these when it opens; the device-name functions only read them.
namespace arvix
{
// 1 selects the special catalogue, any other value the main one; nothing resets it during a run.
inline int g_forTargetDeviceQ = 0;
// The wizard's current target is written with the bootloader tool.
inline bool blhostQ = false;
// Firmware-upgrade test mode: generic ports of the maker count as firmware-mode ports.
inline bool bTest_fwug = false;
// The wizard's automatic mode.
inline bool bAuto = false;

inline void resetProductState()
{
    g_forTargetDeviceQ = 0;
    blhostQ = false;
    bTest_fwug = false;
    bAuto = false;
}
} // namespace arvix
