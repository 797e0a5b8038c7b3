#pragma once

namespace arvix
{
// Waits while keeping the message loop running, so the window stays responsive
// during transfers. 0 ms gives a single pass of the loop.
void sleep_ms (int ms);
} // namespace arvix
