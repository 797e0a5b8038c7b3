#include "Commands.h"

#include "arvix/DeviceNames.h"
#include "arvix/Product.h"
#include "link/MidiPorts.h"
#include "sim/SimDorna.h"

#include <iostream>

// korvel-cli ports [--virtual]: the MIDI ports with the product and port number each name stands for.
namespace KorvelCli
{
namespace
{
void printList (const char* heading, const juce::StringArray& names)
{
    std::cout << heading << ":\n";
    if (names.isEmpty())
        std::cout << "  (none)\n";
    for (const auto& n : names)
    {
        const auto product = arvix::Product::pidFromDeviceName (n);
        std::cout << "  " << n.quoted() << "  product " << static_cast<int> (product) << " ("
                  << product.getName() << ")  port " << arvix::getPortNumOfDevc (n) << "\n";
    }
}

int runPorts (const juce::StringArray& args)
{
    const juce::String virtualFlag = "--virtual";
    for (const auto& a : args)
        if (a != virtualFlag)
            return usageError ("ports: unexpected argument '" + a + "'");

    std::unique_ptr<NsDorna::sim::SimDorna> dorna;
    if (hasFlag (args, virtualFlag))
    {
        NsDorna::ports::useVirtualPorts();
        dorna = NsDorna::sim::SimDorna::startOnVirtualPorts();
    }

    const auto outputs = NsDorna::ports::getOutputNames();
    printList ("Output ports", outputs);
    printList ("Input ports", NsDorna::ports::getInputNames());

    const auto dornaPid = static_cast<int> (arvix::Product::dorna);
    const auto chosen = arvix::getFirstTarWithMaxPortNum (outputs, dornaPid, true);
    if (chosen.isEmpty())
        std::cout << arvix::jstrTarDevcNotFound (dornaPid) << "\n";
    else
        std::cout << "The Dorna's port: " << chosen.quoted() << "\n";
    return ok;
}

const Registrar registrar { { "ports", "ports [--virtual]",
                              "list the MIDI ports with product id, product name and port number "
                              "(--virtual: on the virtual ports, with a simulated Dorna)",
                              runPorts } };
} // namespace
} // namespace KorvelCli
