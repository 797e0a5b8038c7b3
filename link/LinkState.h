#pragma once

// Process-wide state of the device link and the editor host, kept together so tests can reset it.
namespace NsDorna
{
// Product id of the edited device (the Dorna's); the editor page sets it.
inline int g_pid = 2054;

inline void resetLinkState()
{
    g_pid = 2054;
}
} // namespace NsDorna
