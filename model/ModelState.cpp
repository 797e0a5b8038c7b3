#include "ModelState.h"

#include "HostPlatform.h"

namespace NsDorna
{
namespace
{
CurrentModeSource& modeSource()
{
    static CurrentModeSource source;
    return source;
}
} // namespace

void setCurrentModeSource (CurrentModeSource source) { modeSource() = std::move (source); }

CtlMode currentMode()
{
    const auto& source = modeSource();
    return source ? source() : CtlMode();
}

void resetModelState()
{
    modeSource() = nullptr;
    resetHostPlatform();
}
} // namespace NsDorna
