#include "platform/module.h"

#include <gtest/gtest.h>

#include "test_dir.h"

using namespace platform;

TEST(Module, DllNamesMapToSharedObjects) {
    EXPECT_EQ(module_file_name("ARCSUP32.DLL"), "arcsup32.so");
    EXPECT_EQ(module_file_name("ZipRd32.dll"), "ziprd32.so");
    EXPECT_EQ(module_file_name("TOVDEU32.DLL"), "tovdeu32.so");
    EXPECT_EQ(module_file_name("NOEXT"), "noext.so");
}

TEST(Module, SearchOrderIsEnvironmentThenCallerThenInstallDir) {
    TestDir first, second;
    first.file("arcsup32.so", "");
    second.file("arcsup32.so", "");
    second.file("ziprd32.so", "");
    ScopedEnv path("CORAX_MODULE_PATH", first.path() + "::" + second.path());
    EXPECT_EQ(find_module("ARCSUP32.DLL", nullptr), first.path() + "arcsup32.so");
    EXPECT_EQ(find_module("ZIPRD32.DLL", nullptr), second.path() + "ziprd32.so");
    EXPECT_EQ(find_module("LHASUP32.DLL", nullptr), std::nullopt);
}

TEST(Module, LoadFailsCleanlyOnAFileThatIsNoModule) {
    TestDir dir;
    EXPECT_FALSE(Module::load(dir.file("junk.so", "not an ELF file")));
}
