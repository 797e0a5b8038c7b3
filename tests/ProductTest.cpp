#include "arvix/Product.h"
#include "arvix/ProductState.h"

#include <gtest/gtest.h>

using arvix::Product;

namespace
{
struct ProductCatalogue : ::testing::Test
{
    void TearDown() override { arvix::resetProductState(); }
};
} // namespace

TEST_F (ProductCatalogue, ValueClass)
{
    EXPECT_EQ (static_cast<int> (Product()), 2000);
    EXPECT_TRUE (Product().isUnknown());
    EXPECT_FALSE (Product().isValid());

    const Product dorna (2054);
    EXPECT_TRUE (dorna.isValid());
    EXPECT_TRUE (dorna == 2054);
    EXPECT_EQ (static_cast<Product::PID> (dorna), Product::dorna);
    EXPECT_EQ (dorna.getName(), "Dorna");

    // Any value but 2000 is valid, listed or not; it converts to itself as int, to 2000 only when invalid.
    const Product unlisted (4711);
    EXPECT_TRUE (unlisted.isValid());
    EXPECT_FALSE (unlisted.isUnknown());
    EXPECT_EQ (static_cast<int> (unlisted), 4711);
    EXPECT_EQ (static_cast<int> (static_cast<Product::PID> (unlisted)), 4711);
    EXPECT_EQ (unlisted.getName(), "Unknown");
    EXPECT_EQ (static_cast<int> (Product (-5)), -5);

    for (int v : { -1, 0, 1999, 2001, 2054, 65535 })
        EXPECT_TRUE (Product::validPID (v)) << v;
    EXPECT_FALSE (Product::validPID (2000));

    Product copy;
    copy = dorna;
    EXPECT_TRUE (copy == 2054);
}

TEST_F (ProductCatalogue, NamesFromTheActiveCatalogue)
{
    EXPECT_EQ (Product::getName (Product::dorna), "Dorna");
    EXPECT_EQ (Product::getName (Product::unknown), "Unknown");
    EXPECT_EQ (Product::getName (static_cast<Product::PID> (2053)), "Unknown");
    EXPECT_EQ (arvix::jstrTarDevcNotFound (2054), "The target device of \"Dorna\" is not found!");
    EXPECT_EQ (arvix::jstrTarDevcNotFound (2000), "The target device of \"Unknown\" is not found!");

    arvix::g_forTargetDeviceQ = 1; // the special catalogue holds no Dorna row
    EXPECT_EQ (Product::getName (Product::dorna), "Unknown");
    arvix::g_forTargetDeviceQ = 2; // only exactly 1 switches
    EXPECT_EQ (Product::getName (Product::dorna), "Dorna");
}

TEST_F (ProductCatalogue, IdentifiesEveryDornaPortNameAndNothingElse)
{
    const struct
    {
        const char* name;
        int pid;
    } cases[] = {
        { "Dorna", 2054 },
        { "DORNA Port 4", 2054 },
        { "  dOrNa 2  ", 2054 },
        { "Arvix Dorna MIDI 3", 2054 },
        { "\tdorna\n", 2054 },
        { "xdornax", 2054 },
        { "Dor na", 2000 },
        { "Arvix firmware upgrade", 2000 },
        { "ARVIX Midi 1", 2000 },
        { "", 2000 },
        { "   ", 2000 },
        { "Microsoft GS Wavetable Synth", 2000 },
    };
    for (const auto& c : cases)
    {
        const auto p = Product::pidFromDeviceName (c.name);
        EXPECT_EQ (static_cast<int> (p), c.pid) << c.name;
        EXPECT_EQ (p.getName(), c.pid == 2054 ? "Dorna" : "Unknown") << c.name;
    }

    arvix::g_forTargetDeviceQ = 1;
    EXPECT_EQ (static_cast<int> (Product::pidFromDeviceName ("Dorna Port 4")), 2000);
}

TEST_F (ProductCatalogue, DornaColumnsAndDefaultsForUnlistedProducts)
{
    EXPECT_EQ (arvix::pid2Upgpid (2054), 2054);
    EXPECT_EQ (arvix::pid2QueryPid (2054), 2054);
    EXPECT_TRUE (arvix::blhostP (2054));
    EXPECT_FALSE (arvix::specialPidQ (2054));
    EXPECT_EQ (arvix::firmwareNameRule (2054), "*dorna_*");

    for (int pid : { 2000, 1234, 2055 })
    {
        EXPECT_EQ (arvix::pid2Upgpid (pid), pid);
        EXPECT_EQ (arvix::pid2QueryPid (pid), pid);
        EXPECT_FALSE (arvix::blhostP (pid));
        EXPECT_FALSE (arvix::specialPidQ (pid));
        EXPECT_EQ (arvix::firmwareNameRule (pid), "");
    }
}
