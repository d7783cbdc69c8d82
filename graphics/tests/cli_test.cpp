// The mirv command end to end.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "test_files.h"

namespace {

struct Outcome {
    int status;
    std::string out;
};

Outcome mirv(const std::string& args) {
    std::string command = std::string(MIRV_PROGRAM) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buf[256];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Bottom row red, green; top row green, yellow.
std::vector<std::uint8_t> two_by_two() {
    BmpBuilder b;
    b.width = 2;
    b.height = 2;
    b.pixels = {0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0};
    return b.build();
}

TEST(MirvCommand, UsageErrorsExitTwo) {
    for (const char* args : {"", "frobnicate", "info", "info a b", "convert a", "convert a b.bmp --type",
                             "convert a b.bmp --type XYZ", "convert a b.bmp --render 0x3", "convert a b.bmp --bogus",
                             "convert a b.noext"})
        EXPECT_EQ(mirv(args).status, 2) << args;
    Outcome help = mirv("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("mirv convert IN OUT"), std::string::npos);
}

TEST(MirvCommand, InfoDescribesABitmap) {
    ScratchDir dir;
    Outcome r = mirv(dir.write("a.bmp", two_by_two()));
    r = mirv("info " + dir.path("a.bmp"));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("type: BMP"), std::string::npos);
    EXPECT_NE(r.out.find("size: 2 x 2"), std::string::npos);
    EXPECT_NE(r.out.find("depth: 24 bits"), std::string::npos);
    EXPECT_NE(r.out.find("2835 x 2835"), std::string::npos);
}

TEST(MirvCommand, ErrorsPrintTheErrorTextAndExitOne) {
    ScratchDir dir;
    Outcome r = mirv("info " + dir.path("missing.bmp"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Datei ist nicht vorhanden oder keine .BMP bzw. .DIB-Datei"), std::string::npos);
    dir.write("bad.wmf", {1, 2, 3, 4});
    r = mirv("convert " + dir.path("bad.wmf") + " " + dir.path("o.bmp") + " --render 10x10");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Datei ist keine Windows .WMF - Datei"), std::string::npos);
}

TEST(MirvCommand, ConvertsBetweenBmpAndWmf) {
    ScratchDir dir;
    std::string in = dir.write("a.bmp", two_by_two());
    ASSERT_EQ(mirv("convert " + in + " " + dir.path("b.bmp")).status, 0);
    HGLOBAL copy = mirv_test_dib(dir.path("b.bmp"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(DibView(copy).rgb(1, 0), 0xFFFF00u);
    EXPECT_EQ(read_file(dir.path("b.bmp")).size(), read_file(in).size());
    GlobalFree(copy);
    ASSERT_EQ(mirv("convert " + in + " " + dir.path("c.wmf")).status, 0);
    Outcome info = mirv("info " + dir.path("c.wmf"));
    EXPECT_NE(info.out.find("box: 0 0 2 2"), std::string::npos) << info.out;
    ASSERT_EQ(mirv("convert " + dir.path("c.wmf") + " " + dir.path("d.out") + " --type BMP --render 2x2").status, 0);
    HGLOBAL back = mirv_test_dib(dir.path("d.out"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(DibView(back).rgb(0, 1), 0xFF0000u);
    EXPECT_EQ(DibView(back).rgb(1, 0), 0xFFFF00u);
    GlobalFree(back);
}

}  // namespace
