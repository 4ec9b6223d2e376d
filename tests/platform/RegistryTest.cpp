#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <fstream>

using tessaly::platform::Registry;
using tessaly::platform::RegistryValue;

namespace {

std::filesystem::path freshFolder()
{
    // One folder per process and test: CTest runs tests side by side.
    const auto dir = std::filesystem::temp_directory_path()
        / ("tessaly-registry-" + std::to_string(::getpid()) + "-"
           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    return dir;
}

TEST(Registry, ValuesRoundTripThroughTheFile)
{
    const auto dir = freshFolder();
    ::setenv("TESSALY_CONFIG_DIR", dir.c_str(), 1);
    {
        Registry r;
        EXPECT_EQ(r.file(), dir / "registry.ini");
        EXPECT_FALSE(r.readString("Orvane\\HTML", "x").has_value()); // no file yet
        std::string bytes;
        for (int i = 0; i < 256; ++i)
            bytes += static_cast<char>(i);
        const std::string awkward("a=b [c] \\d\r\ne\n\0f", 16);
        r.write("Orvane\\HTML", {{"Highlighting - HTML", RegistryValue::Type::string, "Kelvar6:OPT#1#1"},
                                 {"Key Assignments - HTML", RegistryValue::Type::binary, bytes}});
        r.writeString("Orvane\\[odd]=key", "name = [x]", awkward);
        r.writeString("Orvane\\HTML", "Highlighting - HTML", "second"); // replaces, keeps the rest
    }
    Registry r; // a new run
    EXPECT_EQ(r.readString("Orvane\\HTML", "Highlighting - HTML"), "second");
    const auto bin = r.readBinary("Orvane\\HTML", "Key Assignments - HTML");
    ASSERT_TRUE(bin.has_value());
    ASSERT_EQ(bin->size(), 256u);
    EXPECT_EQ(static_cast<unsigned char>((*bin)[255]), 255);
    EXPECT_EQ(r.readString("Orvane\\[odd]=key", "name = [x]"), std::string("a=b [c] \\d\r\ne\n\0f", 16));
    // A value is read only as the type it was written with.
    EXPECT_FALSE(r.readBinary("Orvane\\HTML", "Highlighting - HTML").has_value());
    EXPECT_FALSE(r.readString("Orvane\\JavaScript", "Highlighting - HTML").has_value());
    // Written through a temporary file that does not stay behind.
    for (const auto& e : std::filesystem::directory_iterator(dir))
        EXPECT_EQ(e.path().filename(), "registry.ini");
    ::unsetenv("TESSALY_CONFIG_DIR");
    std::filesystem::remove_all(dir);
}

TEST(Registry, DamagedLinesAreSkipped)
{
    const auto dir = freshFolder();
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "registry.ini") << "junk before any key\n[K]\nno equals sign\nv=q:unknown type\n"
                                           "b=b:zz\nodd=b:abc\ngood=s:yes\n[unterminated\n";
    Registry r(dir / "registry.ini");
    EXPECT_EQ(r.readString("K", "good"), "yes");
    EXPECT_FALSE(r.read("K", "b").has_value());
    EXPECT_FALSE(r.read("K", "odd").has_value());
    r.writeString("K", "new", "1");
    EXPECT_EQ(r.readString("K", "good"), "yes");
    EXPECT_EQ(r.readString("K", "new"), "1");
    std::filesystem::remove_all(dir);
}

} // namespace
