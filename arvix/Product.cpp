#include "Product.h"
#include "ProductState.h"

namespace arvix
{
namespace
{
struct NameRow
{
    int pid;
    const char* name;
};

struct PortRule
{
    const char* pattern; // wildcard over the lower-cased, trimmed port name, ignoring case
    int pid;
};

struct Catalogue
{
    const NameRow* names;
    size_t numNames;
    const PortRule* rules;
    size_t numRules;
};

// Only the Dorna's rows are carried; for every Dorna port name and every unidentified name the result
// is what the full tables give. The rules stay ordered: first match wins.
constexpr NameRow mainNames[] = { { Product::dorna, "Dorna" } };
constexpr PortRule mainRules[] = { { "*dorna*", Product::dorna } };

// The special catalogue serves another family of the maker's products and has no Dorna row.
constexpr NameRow* specialNames = nullptr;
constexpr PortRule* specialRules = nullptr;

Catalogue activeCatalogue()
{
    if (g_forTargetDeviceQ == 1)
        return { specialNames, 0, specialRules, 0 };
    return { mainNames, std::size (mainNames), mainRules, std::size (mainRules) };
}
} // namespace

juce::String Product::getName (PID p)
{
    const auto c = activeCatalogue();
    for (size_t i = 0; i < c.numNames; ++i)
        if (c.names[i].pid == static_cast<int> (p))
            return c.names[i].name;
    return "Unknown";
}

Product Product::pidFromDeviceName (const juce::String& name)
{
    const auto n = name.toLowerCase().trim();
    const auto c = activeCatalogue();
    for (size_t i = 0; i < c.numRules; ++i)
        if (n.matchesWildcard (c.rules[i].pattern, true))
            return Product (c.rules[i].pid);
    return Product (static_cast<int> (unknown));
}

juce::String jstrTarDevcNotFound (int pid)
{
    return "The target device of \"" + Product (pid).getName() + "\" is not found!";
}

int pid2Upgpid (int pid) { return pid; }
int pid2QueryPid (int pid) { return pid; }
bool blhostP (int pid) { return pid == Product::dorna; }
bool specialPidQ (int) { return false; }
juce::String firmwareNameRule (int pid) { return pid == Product::dorna ? "*dorna_*" : ""; }
} // namespace arvix
