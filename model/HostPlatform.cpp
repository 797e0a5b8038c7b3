#include "HostPlatform.h"

namespace NsDorna
{
namespace
{
std::optional<HostPlatform>& chosenPlatform()
{
    static std::optional<HostPlatform> chosen;
    return chosen;
}
} // namespace

HostPlatform runningPlatform()
{
#if JUCE_MAC
    return HostPlatform::macOS;
#elif JUCE_WINDOWS
    return HostPlatform::windowsOS;
#else
    return HostPlatform::linuxOS;
#endif
}

HostPlatform hostPlatform() { return chosenPlatform().value_or (runningPlatform()); }
void setHostPlatform (HostPlatform platform) { chosenPlatform() = platform; }
void resetHostPlatform() { chosenPlatform().reset(); }
bool hostIsMac() { return hostPlatform() == HostPlatform::macOS; }

juce::String hostPlatformSlug (HostPlatform platform)
{
    switch (platform)
    {
        case HostPlatform::macOS: return "mac";
        case HostPlatform::windowsOS: return "windows";
        case HostPlatform::linuxOS: break;
    }
    return "linux";
}

std::optional<HostPlatform> hostPlatformFromSlug (const juce::String& slug)
{
    for (auto p : { HostPlatform::macOS, HostPlatform::linuxOS, HostPlatform::windowsOS })
        if (slug == hostPlatformSlug (p))
            return p;
    return std::nullopt;
}
} // namespace NsDorna
