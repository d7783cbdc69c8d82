// PCX files made by ImageMagick and by netpbm's ppmtopcx decode to the same
// RGB pixels as netpbm's pcxtoppm gives for them; a few such files with
// pcxtoppm's answer are kept for machines without the programs.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "mirv32.h"
#include "peer_tools.h"
#include "test_files.h"

namespace {

// The file's pixels as our decoder gives them, as RGB rows from the top.
peer::Picture ours(const std::string& file) { return peer::picture_of(ipPcx2Dib(file.c_str(), 0, nullptr)); }

// What pcxtoppm makes of a file: exactly one picture, or none.
peer::Picture pcxtoppm(const std::string& file, const std::string& out) {
    if (peer::run("pcxtoppm " + file + " > " + out) != 0) return {};
    std::vector<peer::Picture> pictures = peer::read_pnm_stream(out);
    return pictures.size() == 1 ? pictures[0] : peer::Picture{};
}

// The header fields that say which kind of PCX file a peer wrote.
struct Kind {
    unsigned bits, planes;
};

Kind kind_of(const std::string& file) {
    std::vector<std::uint8_t> bytes = read_file(file);
    if (bytes.size() < 128) return {0, 0};
    return {bytes[3], bytes[65]};
}

class PcxPeer : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"convert", "ppmtopcx", "pcxtoppm"})
            if (!peer::have(tool)) GTEST_SKIP() << tool << " is not installed (scripts/setup installs it)";
        // Smooth colour with a hard black line, of an odd width so that
        // scan lines are padded.
        ASSERT_EQ(peer::run("convert -size 37x23 -seed 7 plasma:fractal -fill black -draw 'line 0,22 36,0' "
                            "-depth 8 ppm:" + dir.path("src.ppm")),
                  0);
    }

    void expect_alike(const std::string& pcx, Kind expected) {
        Kind k = kind_of(pcx);
        EXPECT_EQ(k.bits, expected.bits);
        EXPECT_EQ(k.planes, expected.planes);
        peer::Picture reference = pcxtoppm(pcx, dir.path("ref.ppm"));
        ASSERT_GT(reference.width, 0) << "pcxtoppm could not read " << pcx;
        EXPECT_TRUE(ours(pcx) == reference);
    }

    ScratchDir dir;
};

TEST_F(PcxPeer, ImageMagickFilesDecodeAsPcxtoppmDecodesThem) {
    struct Case {
        const char* name;
        const char* options;
        Kind kind;
    } cases[] = {
        {"8 bits with palette", "-type Palette -colors 200", {8, 1}},
        {"24 bits in three planes", "-type TrueColor", {8, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string pcx = dir.path("im.pcx");
        std::remove(pcx.c_str());
        ASSERT_EQ(peer::run("convert " + dir.path("src.ppm") + " " + c.options + " PCX:" + pcx), 0);
        expect_alike(pcx, c.kind);
    }
}

// pcxtoppm blends a fourth plane into the colours as alpha (even an opaque
// one, by 255/256), so ImageMagick's reading without alpha is the peer here.
TEST_F(PcxPeer, AFourthPlaneIsLeftOutAsImageMagickLeavesOutAlpha) {
    std::string pcx = dir.path("rgba.pcx");
    ASSERT_EQ(peer::run("convert " + dir.path("src.ppm") + " -alpha set -channel A -evaluate set 50% +channel PCX:" + pcx),
              0);
    ASSERT_EQ(kind_of(pcx).planes, 4u);
    ASSERT_EQ(peer::run("convert " + pcx + " -alpha off -depth 8 ppm:" + dir.path("ref.ppm")), 0);
    std::vector<peer::Picture> reference = peer::read_pnm_stream(dir.path("ref.ppm"));
    ASSERT_EQ(reference.size(), 1u);
    EXPECT_TRUE(ours(pcx) == reference[0]);
    // The colour planes are those of the source picture.
    EXPECT_TRUE(ours(pcx) == peer::read_pnm_stream(dir.path("src.ppm")).at(0));
}

TEST_F(PcxPeer, PpmtopcxFilesDecodeAsPcxtoppmDecodesThem) {
    struct Case {
        const char* name;
        const char* prepare;  // a filter from the source picture
        const char* options;
        Kind kind;
    } cases[] = {
        {"1 bit", "ppmtopgm | pgmtopbm -threshold", "", {1, 1}},
        {"16 colours in four planes", "pnmquant 16", "", {1, 4}},
        {"4 colours in two planes", "pnmquant 4", "", {1, 2}},
        {"4 colours packed, 2 bits", "pnmquant 4", "-packed", {2, 1}},
        {"16 colours packed, 4 bits", "pnmquant 16", "-packed", {4, 1}},
        {"8 bits with palette", "pnmquant 200", "", {8, 1}},
        {"16 colours as 8 bits", "pnmquant 16", "-8bit", {8, 1}},
        {"24 bits in three planes", "cat", "-24bit", {8, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string prepared = dir.path("prep.pnm");
        ASSERT_EQ(peer::run("cat " + dir.path("src.ppm") + " | " + c.prepare + " > " + prepared), 0);
        std::string pcx = dir.path("n.pcx");
        std::remove(pcx.c_str());
        ASSERT_EQ(peer::run("ppmtopcx " + std::string(c.options) + " " + prepared + " > " + pcx), 0);
        expect_alike(pcx, c.kind);
    }
}

// Kept files (see data/pcx/README): each NAME.pcx beside NAME.ppm, what
// pcxtoppm (ImageMagick without alpha for the four-plane file) made of it.
TEST(PcxPeerFiles, KeptFilesDecodeAsPcxtoppmDecodedThem) {
    const std::filesystem::path data = std::filesystem::path(__FILE__).parent_path() / "data" / "pcx";
    struct File {
        const char* name;
        Kind kind;
    } files[] = {
        {"ppmtopcx_1bit", {1, 1}},     {"ppmtopcx_4planes", {1, 4}}, {"ppmtopcx_packed2", {2, 1}},
        {"ppmtopcx_8bit", {8, 1}},     {"ppmtopcx_24bit", {8, 3}},   {"im_8bit", {8, 1}},
        {"im_rgba_4planes", {8, 4}},
    };
    for (const File& f : files) {
        SCOPED_TRACE(f.name);
        std::string pcx = (data / (std::string(f.name) + ".pcx")).string();
        Kind k = kind_of(pcx);
        EXPECT_EQ(k.bits, f.kind.bits);
        EXPECT_EQ(k.planes, f.kind.planes);
        std::vector<peer::Picture> reference = peer::read_pnm_stream((data / (std::string(f.name) + ".ppm")).string());
        ASSERT_EQ(reference.size(), 1u);
        EXPECT_TRUE(ours(pcx) == reference[0]);
    }
}

}  // namespace
