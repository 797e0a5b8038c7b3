#pragma once

#include "CtlEnums.h"

#include <functional>

// Process-wide state of the model, kept together so tests can reset it.
namespace NsDorna
{
// Where the model learns the current slot's mode; the editor host fills it in.
using CurrentModeSource = std::function<CtlMode()>;

void setCurrentModeSource (CurrentModeSource source);
// The current slot's mode, or mode 0 while no source is set.
CtlMode currentMode();

void resetModelState();
} // namespace NsDorna
