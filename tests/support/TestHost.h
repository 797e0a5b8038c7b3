#pragma once

#include "link/Host.h"
#include "link/HostImpl.h"

namespace NsDorna::test
{
// The process's host singleton, kept in a temporary folder and given a factory tree for each test.
// The device link reaches the host only through the singleton.
inline Host& freshHost()
{
    static const juce::TemporaryFile folder;
    static Host* host = [] {
        folder.getFile().createDirectory();
        Host::setSettingsLocationForNewHosts (
            SettingsLocation::inFolder (folder.getFile()));
        return Host::getInstance();
    }();
    host->getImpl().replaceTree (CtlStore().getState(), false);
    host->replaceMidiInputHandler();
    return *host;
}
} // namespace NsDorna::test
