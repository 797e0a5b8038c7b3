#include "arvix/DeviceNames.h"
#include "arvix/ProductState.h"
#include "link/MidiPortsVirtual.h"

#include <gtest/gtest.h>

using namespace arvix;
using NsDorna::ports::VirtualPorts;

namespace
{
// A port list on the virtual ports, names as given (output and input alike unless said otherwise).
class DeviceNames : public ::testing::Test
{
protected:
    void SetUp() override { vp = NsDorna::ports::useVirtualPorts(); }
    void TearDown() override
    {
        published.clear();
        NsDorna::ports::useSystemPorts();
        resetProductState();
    }

    void ports (std::initializer_list<const char*> names, VirtualPorts::Direction d = VirtualPorts::Direction::both)
    {
        for (auto n : names)
            published.push_back (vp->publish (n, nullptr, d));
    }

    std::shared_ptr<VirtualPorts> vp;
    std::vector<std::unique_ptr<VirtualPorts::Port>> published;
};

juce::StringArray list (std::initializer_list<const char*> names)
{
    juce::StringArray a;
    for (auto n : names)
        a.add (n);
    return a;
}
} // namespace

TEST (DeviceNamesPure, PortNumbersInTheMacForm)
{
    const struct
    {
        const char* name;
        bool withPort;
        int number;
    } cases[] = {
        { "Dorna Port 3", true, 3 }, { "Dorna 2", true, 2 }, { "DornaX9", true, 9 }, { "Dorna 0", true, 0 },
        { "Dorna 12", false, 1 },    { "Dorna", false, 1 },  { "7", false, 1 },       { "", false, 1 },
        { "Dorna 4 ", false, 1 },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ (isDevcWithPortP (c.name), c.withPort) << c.name;
        EXPECT_EQ (getPortNumOfDevc (c.name), c.number) << c.name;
    }
    EXPECT_EQ (switchDevcNameToInOrOut ("Dorna Port 4", true), "Dorna Port 4");
    EXPECT_EQ (switchDevcNameToInOrOut ("Dorna Port 4", false), "Dorna Port 4");
}

TEST (DeviceNamesPure, TheTargetPortIsTheDevicesHighestNumberedOne)
{
    const auto dorna = 2054;
    EXPECT_EQ (getFirstTarWithMaxPortNum (list ({ "Dorna", "Dorna Port 3", "Other 9", "Dorna Port 2" }), dorna, false), "Dorna Port 3");
    EXPECT_EQ (getFirstTarWithMaxPortNum (list ({ "Dorna A 2", "Dorna B 2" }), dorna, false), "Dorna A 2");
    EXPECT_EQ (getFirstTarWithMaxPortNum (list ({ "Dorna Port 1", "Dorna Port 2", "Dorna Port 3", "Dorna Port 4" }), dorna, true), "Dorna Port 4");
    // No Dorna: the last generic port of the maker with fallback, else nothing.
    const auto generic = list ({ "ARVIX Midi 1", "Synth", "arvix usb midi 2", "Microsoft GS" });
    EXPECT_EQ (getFirstTarWithMaxPortNum (generic, dorna, true), "arvix usb midi 2");
    EXPECT_EQ (getFirstTarWithMaxPortNum (generic, dorna, false), "");
    // A device port wins over the generic ones even when they come later.
    EXPECT_EQ (getFirstTarWithMaxPortNum (list ({ "Dorna", "ARVIX Midi 1" }), dorna, true), "Dorna");
    EXPECT_EQ (getFirstTarWithMaxPortNum ({}, dorna, true), "");

    EXPECT_EQ (firstTargetNameByPid (dorna, list ({ "Synth", "Dorna 2", "Dorna" })), "Dorna 2");
    EXPECT_EQ (firstTargetNameByPid (dorna, list ({ "Synth" })), "");
    EXPECT_EQ (firstTargetNameByPid (2000, list ({ "Dorna", "Synth" })), "Synth");
}

TEST (DeviceNamesPure, PortFilter)
{
    const struct
    {
        const char* name;
        bool application, unfiltered, toolMode, expected;
    } cases[] = {
        { "Dorna Port 1", true, false, false, true },
        { "Dorna", true, false, false, true },
        { "Dorna", true, false, true, false }, // one word refused in tool mode
        { "Dorna", true, true, true, true },
        { "MIDIOUT2 (Dorna)", true, false, true, true },
        { "midiin3 (Dorna)", true, false, false, false },
        { "Arvix firmware upgrade", true, false, false, false },
        { "Arvix firmware upgrade", true, true, false, true },
        { "Microsoft GS Wavetable Synth", true, true, false, false },
        { "Microsoft GS Wavetable Synth", true, false, false, false },
        { "x microsoft", true, false, true, false },
        { "Dorna ", true, false, true, false }, // a trailing blank is not a second word
        // Not in application mode: only firmware-mode ports.
        { "ARVIX firmware upgrade 2", false, false, false, true },
        { "Dorna Port 1", false, true, false, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ (DeviceHelpers::validDeviceName (c.name, c.application, c.unfiltered, c.toolMode), c.expected) << c.name;
}

TEST (DeviceNamesPure, FirmwareModePortsAndVersions)
{
    struct Reset
    {
        ~Reset() { resetProductState(); }
    } reset;

    EXPECT_TRUE (check_device_with_step3_logic ("arvix FIRMWARE upgrade"));
    EXPECT_FALSE (check_device_with_step3_logic ("ARVIX Midi 1"));
    bTest_fwug = true; // test mode accepts the maker's generic ports, unless automatic
    EXPECT_TRUE (check_device_with_step3_logic ("  ARVIX Midi 1 "));
    EXPECT_FALSE (check_device_with_step3_logic ("Dorna Port 1"));
    bAuto = true;
    EXPECT_FALSE (check_device_with_step3_logic ("ARVIX Midi 1"));
    EXPECT_TRUE (check_device_with_step3_logic ("Arvix firmware upgrade"));

    EXPECT_EQ (DeviceHelpers::convFwug ("xx ARVIX Firmware Upgrade yy"), "Arvix firmware upgrade manager");
    EXPECT_EQ (DeviceHelpers::convFwug ("Dorna"), "Dorna");

    EXPECT_EQ (getDevcMainVersion ("fw 2.1.3"), 2);
    EXPECT_EQ (getDevcMainVersion ("dorna_v13.0"), 3);
    EXPECT_EQ (getDevcMainVersion ("v.1"), 0);
    EXPECT_EQ (getDevcMainVersion (".1"), 0);
    EXPECT_EQ (getDevcMainVersion ("no dot"), 0);
}

TEST_F (DeviceNames, ListsWithoutDuplicatesBlanksAndRefusedNames)
{
    ports ({ "Dorna Port 1", "", "   ", "Dorna Port 1", "Microsoft GS", "Arvix firmware upgrade", "Synth" });
    ports ({ "Only out" }, VirtualPorts::Direction::hostOutput);

    EXPECT_EQ (DeviceHelpers::getDeviceNames0 (true, true, true),
               list ({ "Dorna Port 1", "Arvix firmware upgrade", "Synth", "Only out" }));
    EXPECT_EQ (DeviceHelpers::getDeviceNames0 (false, true, false), list ({ "Dorna Port 1", "Synth" }));
    blhostQ = true; // tool mode: one-word names go
    EXPECT_EQ (DeviceHelpers::getDeviceNames0 (false, true, false), list ({ "Dorna Port 1" }));
    EXPECT_EQ (DeviceHelpers::getDeviceNames0 (true, true, false), list ({ "Dorna Port 1", "Only out" }));
    blhostQ = false;
    EXPECT_EQ (DeviceHelpers::getDeviceNames0 (true, true, false), list ({ "Dorna Port 1", "Synth", "Only out" }));
    EXPECT_EQ (DeviceHelpers::getDeviceNames0 (true, false, true), list ({ "Arvix firmware upgrade" }));
    EXPECT_EQ (DeviceHelpers::getDeviceNames (true, true, true),
               list ({ "Dorna Port 1", "Arvix firmware upgrade manager", "Synth", "Only out" }));

    EXPECT_EQ (DeviceHelpers::getIapDeviceNames (true, true), list ({ "Dorna Port 1", "Synth", "Only out" }));
    EXPECT_EQ (DeviceHelpers::getIapDeviceNames (true, false),
               list ({ "Dorna Port 1", "Arvix firmware upgrade", "Synth", "Only out" }));
}

TEST_F (DeviceNames, ShownFirmwareNamesMapBackToTheFirstFirmwarePort)
{
    ports ({ "Synth", "Arvix firmware upgrade A", "Arvix firmware upgrade B" });
    const auto shown = DeviceHelpers::getDeviceNames (true, true, true);
    ASSERT_EQ (shown, list ({ "Synth", "Arvix firmware upgrade manager", "Arvix firmware upgrade manager" }));
    EXPECT_EQ (DeviceHelpers::convFwugMan (shown[1]), "Arvix firmware upgrade A");
    EXPECT_EQ (DeviceHelpers::convFwugMan ("Synth"), "Synth");
    // A firmware name that is not shown any more gives nothing.
    published.clear();
    EXPECT_EQ (DeviceHelpers::convFwugMan ("Arvix firmware upgrade manager"), "");
}

TEST_F (DeviceNames, CountingAndFinding)
{
    ports ({ "Synth", "Dorna Port 1", "Dorna Port 1", "Dorna Port 2", "Dorna Port 3", "Dorna Port 4", "Other Dorna" });
    ports ({ "Second Dorna 1" }, VirtualPorts::Direction::hostInput);

    EXPECT_EQ (numberForDevice ("Dorna Port", true), 5); // duplicates counted
    EXPECT_EQ (numberForDevice ("dorna", true), 0);      // case-sensitive
    EXPECT_EQ (numberForDevice ("Second", false), 1);
    EXPECT_EQ (numberForDevice ("Second", true), 0);

    EXPECT_EQ (indexForFirstDevice ("Dorna Port 2", true), 2); // positions without the duplicate
    EXPECT_EQ (indexForFirstDevice ("Dorna", true), 1);
    EXPECT_EQ (indexForFirstDevice ("nothing", true), -1);

    // Physical devices: first ports only ("... 1" or no number).
    EXPECT_EQ (cntPureTargets (2054), 2);
    EXPECT_EQ (cntPureTargets (2000), 1);
}

TEST_F (DeviceNames, NothingListedWhenThereAreNoPorts)
{
    EXPECT_TRUE (DeviceHelpers::getDeviceNames (true, true, true).isEmpty());
    EXPECT_EQ (cntPureTargets (2054), 0);
    EXPECT_EQ (indexForFirstDevice ("", true), -1);
    EXPECT_EQ (numberForDevice ("", false), 0);
}
