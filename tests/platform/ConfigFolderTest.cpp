#include "platform/ConfigFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using tessaly::platform::configFolder;

TEST(ConfigFolder, OverrideThenXdgThenHome)
{
    ::setenv("TESSALY_CONFIG_DIR", "/tmp/tessaly-test-cfg", 1);
    EXPECT_EQ(configFolder(), "/tmp/tessaly-test-cfg");
    ::unsetenv("TESSALY_CONFIG_DIR");
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(configFolder(), "/tmp/xdg/tessaly");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(configFolder(), "/home/someone/.config/tessaly");
}
