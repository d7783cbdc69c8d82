// BMP files made by ImageMagick and netpbm decode to the same RGB pixels
// as ImageMagick or netpbm decode them to.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mirv32.h"
#include "peer_tools.h"
#include "test_files.h"

namespace {

using peer::have;
using peer::run;
using Pixels = peer::Picture;

Pixels read_ppm(const std::string& file) { return peer::read_pnm(file); }

Pixels ours(const std::string& file) { return peer::picture_of(ipBmp2Dib(file.c_str(), 0, nullptr)); }

class PeerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!have("convert")) GTEST_SKIP() << "ImageMagick (convert) is not installed";
        // A picture with few colours (for the palette depths) and detail.
        ASSERT_EQ(run("convert -size 37x23 xc:white -fill red -draw 'rectangle 2,2 20,12' -fill blue "
                      "-draw 'circle 28,15 33,19' -fill black -draw 'line 0,22 36,0' +antialias " + dir.path("src.png")),
                  0);
    }
    ScratchDir dir;
};

TEST_F(PeerTest, ImageMagickBmpFilesDecodeAlike) {
    // What the file must be: header size, bits per pixel, compression.
    struct Case {
        const char* name;
        const char* options;
        const char* format;
        unsigned header, bits, compression;
    } cases[] = {
        {"24 bits", "-type TrueColor", "BMP3", 40, 24, 0},
        {"8 bits", "-type Palette -colors 200 -compress None", "BMP3", 40, 8, 0},
        {"4 bits", "-type Palette -colors 16 -compress None", "BMP3", 40, 4, 0},
        {"1 bit", "-type Bilevel", "BMP3", 40, 1, 0},
        {"8 bits RLE8", "-type Palette -compress RLE", "BMP3", 40, 8, 1},
        {"OS/2 1.x 24 bits", "-type TrueColor", "BMP2", 12, 24, 0},
        {"OS/2 1.x 8 bits", "-type Palette", "BMP2", 12, 8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bmp = dir.path("c.bmp");
        std::remove(bmp.c_str());
        ASSERT_EQ(run("convert " + dir.path("src.png") + " " + c.options + " " + c.format + ":" + bmp), 0);
        std::vector<std::uint8_t> bytes = read_file(bmp);
        ASSERT_GT(bytes.size(), 34u);
        EXPECT_EQ(bytes[14], c.header);
        EXPECT_EQ(bytes[c.header == 12 ? 24 : 28], c.bits);
        EXPECT_EQ(c.header == 40 ? bytes[30] : 0u, c.compression);
        ASSERT_EQ(run("convert " + bmp + " -depth 8 ppm:" + dir.path("ref.ppm")), 0);
        Pixels reference = read_ppm(dir.path("ref.ppm"));
        ASSERT_GT(reference.width, 0);
        EXPECT_TRUE(ours(bmp) == reference);
    }
}

TEST_F(PeerTest, NetpbmBmpFilesDecodeAlike) {
    if (!have("ppmtobmp") || !have("bmptopnm")) GTEST_SKIP() << "netpbm is not installed";
    ASSERT_EQ(run("convert " + dir.path("src.png") + " -depth 8 ppm:" + dir.path("src.ppm")), 0);
    struct Case {
        const char* name;
        const char* prepare;
        const char* options;
    } cases[] = {
        {"24 bits windows", "cat", "-windows -bpp=24"},
        {"8 bits windows", "pnmquant 200", "-windows -bpp=8"},
        {"4 bits windows", "pnmquant 16", "-windows -bpp=4"},
        {"1 bit windows", "ppmtopgm | pgmtopbm -threshold", "-windows -bpp=1"},
        {"24 bits OS/2", "cat", "-os2 -bpp=24"},
        {"8 bits OS/2", "pnmquant 200", "-os2 -bpp=8"},
        {"4 bits OS/2", "pnmquant 16", "-os2 -bpp=4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bmp = dir.path("n.bmp");
        std::remove(bmp.c_str());
        std::string prepared = dir.path("prep.pnm");
        if (run(std::string(c.prepare) + " < " + dir.path("src.ppm") + " > " + prepared) != 0) {
            ASSERT_EQ(run("pnmquant 2 < " + dir.path("src.ppm") + " > " + prepared), 0);
        }
        ASSERT_EQ(run("ppmtobmp " + std::string(c.options) + " " + prepared + " > " + bmp), 0);
        ASSERT_EQ(run("bmptopnm " + bmp + " | pnmtopnm -plain | pnmtopnm > " + dir.path("ref.pnm")), 0);
        ASSERT_EQ(run("convert " + dir.path("ref.pnm") + " -depth 8 ppm:" + dir.path("ref.ppm")), 0);
        Pixels reference = read_ppm(dir.path("ref.ppm"));
        ASSERT_GT(reference.width, 0);
        EXPECT_TRUE(ours(bmp) == reference);
    }
}

TEST_F(PeerTest, BareDibAndBottomUpRowsAgreeWithImageMagick) {
    std::string bmp = dir.path("full.bmp");
    ASSERT_EQ(run("convert " + dir.path("src.png") + " -type TrueColor BMP3:" + bmp), 0);
    ASSERT_EQ(run("convert " + bmp + " -depth 8 ppm:" + dir.path("ref.ppm")), 0);
    std::vector<std::uint8_t> bytes = read_file(bmp);
    std::string bare = dir.write("bare.dib", std::vector<std::uint8_t>(bytes.begin() + 14, bytes.end()));
    EXPECT_TRUE(ours(bare) == read_ppm(dir.path("ref.ppm")));
}

TEST_F(PeerTest, OurBmpWriterIsReadByImageMagick) {
    std::string bmp = dir.path("in.bmp");
    ASSERT_EQ(run("convert " + dir.path("src.png") + " -type Palette BMP3:" + bmp), 0);
    IPRESULT r = ipBmp2Dib(bmp.c_str(), 0, nullptr);
    ASSERT_GT(r, IPE_LAST);
    std::string out = dir.path("out.bmp");
    ASSERT_EQ(ipDib2Bmp(out.c_str(), 0, nullptr, reinterpret_cast<HGLOBAL>(r)), 0);
    GlobalFree(reinterpret_cast<HGLOBAL>(r));
    ASSERT_EQ(run("convert " + out + " -depth 8 ppm:" + dir.path("back.ppm")), 0);
    ASSERT_EQ(run("convert " + bmp + " -depth 8 ppm:" + dir.path("ref.ppm")), 0);
    EXPECT_TRUE(read_ppm(dir.path("back.ppm")) == read_ppm(dir.path("ref.ppm")));
}

}  // namespace
