#include "DeviceNames.h"
#include "Product.h"
#include "ProductState.h"

#include "link/MidiPorts.h"

namespace arvix
{
namespace
{
const juce::String fwugMark ("Arvix firmware upgrade");
const juce::String fwugShown ("Arvix firmware upgrade manager");
const juce::String genericPattern ("ARVIX*Midi*");

juce::StringArray rawNames (bool output)
{
    return output ? NsDorna::ports::getOutputNames() : NsDorna::ports::getInputNames();
}

// Exact duplicates and blank names removed, first occurrence kept.
juce::StringArray cleaned (bool output)
{
    juce::StringArray result;
    for (const auto& n : rawNames (output))
        if (n.trim().isNotEmpty() && ! result.contains (n))
            result.add (n);
    return result;
}

bool isDigit09 (juce::juce_wchar c) { return c >= '0' && c <= '9'; }
} // namespace

namespace DeviceHelpers
{
bool validDeviceName (const juce::String& name, bool application, bool unfiltered, bool toolMode)
{
    if (! application)
        return check_device_with_step3_logic (name);
    if (name.containsIgnoreCase ("Microsoft"))
        return false;
    if (unfiltered)
        return true;
    if (name.containsIgnoreCase (fwugMark))
        return false;
    if (name.matchesWildcard ("MIDIOUT? (*)", true) || name.matchesWildcard ("MIDIIN? (*)", true))
        return toolMode;
    if (name.matchesWildcard ("* *?", true))
        return true;
    return ! toolMode;
}

juce::StringArray getDeviceNames0 (bool output, bool application, bool unfiltered)
{
    juce::StringArray result;
    for (const auto& n : cleaned (output))
        if (validDeviceName (n, application, unfiltered, blhostQ))
            result.add (n);
    return result;
}

juce::StringArray getDeviceNames (bool output, bool application, bool unfiltered)
{
    auto names = getDeviceNames0 (output, application, unfiltered);
    for (auto& n : names)
        n = convFwug (n);
    return names;
}

juce::StringArray getIapDeviceNames (bool output, bool strict)
{
    juce::StringArray result;
    for (const auto& n : cleaned (output))
        if (validDeviceName (n, true, ! strict, false))
            result.add (n);
    return result;
}

juce::String convFwug (const juce::String& name)
{
    return name.containsIgnoreCase (fwugMark) ? fwugShown : name;
}

juce::String convFwugMan (const juce::String& shown)
{
    if (! shown.containsIgnoreCase (fwugMark))
        return shown;
    const auto index = getDeviceNames (true, true, true).indexOf (shown);
    const auto ports = getDeviceNames0 (true, true, true);
    return juce::isPositiveAndBelow (index, ports.size()) ? ports[index] : juce::String();
}
} // namespace DeviceHelpers

int numberForDevice (const juce::String& text, bool output)
{
    int count = 0;
    for (const auto& n : rawNames (output))
        count += n.contains (text) ? 1 : 0;
    return count;
}

int indexForFirstDevice (const juce::String& text, bool output)
{
    const auto names = DeviceHelpers::getDeviceNames0 (output, true, true);
    for (int i = 0; i < names.size(); ++i)
        if (names[i].contains (text))
            return i;
    return -1;
}

juce::String firstTargetNameByPid (int pid, const juce::StringArray& names)
{
    for (const auto& n : names)
        if (static_cast<int> (Product::pidFromDeviceName (n)) == pid)
            return n;
    return {};
}

int cntPureTargets (int pid)
{
    int count = 0;
    for (const auto& n : DeviceHelpers::getDeviceNames (true, true, true))
        if (static_cast<int> (Product::pidFromDeviceName (n)) == pid
            && (! isDevcWithPortP (n) || n.matchesWildcard ("* *1", true)))
            ++count;
    return count;
}

juce::String getFirstTarWithMaxPortNum (const juce::StringArray& names, int pid, bool fallback)
{
    int best = -1;
    juce::String result;
    for (const auto& n : names)
    {
        if (static_cast<int> (Product::pidFromDeviceName (n)) != pid)
            continue;
        const auto number = getPortNumOfDevc (n);
        if (number > best)
        {
            best = number;
            result = n;
        }
    }

    if (best == -1 && fallback)
        for (const auto& n : names)
            if (n.matchesWildcard (genericPattern, true))
                result = n;

    return result;
}

bool isDevcWithPortP (const juce::String& name)
{
    const auto length = name.length();
    return length >= 2 && isDigit09 (name[length - 1]) && ! isDigit09 (name[length - 2]);
}

int getPortNumOfDevc (const juce::String& name)
{
    if (! isDevcWithPortP (name))
        return 1;
    const auto digit = static_cast<int> (name.getLastCharacter() - '0');
    return digit >= 0 && digit <= 9 ? digit : -1;
}

juce::String switchDevcNameToInOrOut (const juce::String& name, bool /*toInput*/) { return name; }

bool check_device_with_step3_logic (const juce::String& name)
{
    const bool fw = name.containsIgnoreCase (fwugMark);
    if (bTest_fwug && ! bAuto)
        return fw || name.toLowerCase().trim().matchesWildcard (genericPattern, true);
    return fw;
}

int getDevcMainVersion (const juce::String& name)
{
    const auto dot = name.indexOfChar ('.');
    if (dot <= 0)
        return 0;
    const auto c = name[dot - 1];
    return isDigit09 (c) ? static_cast<int> (c - '0') : 0;
}
} // namespace arvix
