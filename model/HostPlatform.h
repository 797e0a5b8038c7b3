#pragma once

#include <juce_core/juce_core.h>

#include <optional>

// The computer platform the factory mapping is made for. Factory Ctrl shortcuts of some LCD buttons
// become Cmd shortcuts for a Mac host. The running platform unless a test or korvel-cli chose one.
namespace NsDorna
{
enum class HostPlatform
{
    macOS,
    linuxOS,
    windowsOS
};

HostPlatform runningPlatform();

HostPlatform hostPlatform();
void setHostPlatform (HostPlatform platform);
// Back to the running platform (resetModelState calls this).
void resetHostPlatform();

bool hostIsMac();

// "mac", "linux", "windows".
juce::String hostPlatformSlug (HostPlatform platform);
std::optional<HostPlatform> hostPlatformFromSlug (const juce::String& slug);

// Chooses a host platform for a scope, then restores the one before.
class ScopedHostPlatform
{
public:
    explicit ScopedHostPlatform (HostPlatform platform) : previous (hostPlatform()) { setHostPlatform (platform); }
    ~ScopedHostPlatform() { setHostPlatform (previous); }
    ScopedHostPlatform (const ScopedHostPlatform&) = delete;
    ScopedHostPlatform& operator= (const ScopedHostPlatform&) = delete;

private:
    HostPlatform previous;
};
} // namespace NsDorna
