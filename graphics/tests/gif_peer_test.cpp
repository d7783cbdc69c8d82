// GIF files made by ImageMagick and netpbm decode to the same RGB pixels as
// netpbm's giftopnm gives, with every image of a file put at its own place
// on the logical screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "mirv32.h"
#include "peer_tools.h"
#include "test_files.h"

namespace {

using Rgb = std::uint32_t;  // 0xRRGGBB

// What a GIF file holds, walked block by block from its bytes: enough to
// place each image, to know the colours, and to tell what a peer wrote.
struct GifImage {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    std::vector<Rgb> local_table;
    bool has_local_table = false;
    int min_code_size = 0;
    std::size_t data_bytes = 0;
};

struct GifLayout {
    bool ok = false;
    int width = 0, height = 0;
    bool has_global_table = false;
    std::vector<Rgb> global_table;
    std::vector<GifImage> images;
    bool comment = false;
    bool transparency = false;  // a graphic control block names a transparent colour
};

class GifWalker {
public:
    explicit GifWalker(const std::vector<std::uint8_t>& bytes) : b_(bytes) {}

    GifLayout walk() {
        GifLayout g;
        if (b_.size() < 13 || b_[0] != 'G' || b_[1] != 'I' || b_[2] != 'F') return g;
        pos_ = 6;
        g.width = word();
        g.height = word();
        int packed = byte();
        pos_ += 2;
        g.has_global_table = packed & 0x80;
        if (g.has_global_table && !table(packed, g.global_table)) return g;
        while (pos_ < b_.size()) {
            int introducer = byte();
            if (introducer == 0x3B) {
                g.ok = true;
                return g;
            }
            if (introducer == 0x21 ? !extension(g) : introducer == 0x2C ? !image(g) : true) return g;
        }
        return g;
    }

private:
    // Reads past the end give 0 and leave the walker not good.
    int byte() {
        if (pos_ < b_.size()) return b_[pos_++];
        pos_ = b_.size() + 1;
        return 0;
    }
    int word() {
        int low = byte();
        return low | byte() << 8;
    }
    bool good() const { return pos_ <= b_.size(); }
    bool table(int packed, std::vector<Rgb>& out) {
        for (int i = 0; i < 2 << (packed & 7); ++i) {
            int r = byte(), g = byte(), b = byte();
            out.push_back(static_cast<Rgb>(r << 16 | g << 8 | b));
        }
        return good();
    }
    // The total length of a run of sub-blocks.
    std::size_t sub_blocks() {
        std::size_t total = 0;
        for (int n = byte(); n != 0 && good(); n = byte()) {
            total += n;
            pos_ += n;
        }
        return total;
    }
    bool extension(GifLayout& g) {
        int label = byte();
        if (label == 0xFE) g.comment = true;
        if (label == 0xF9 && pos_ + 1 < b_.size() && b_[pos_] >= 1 && (b_[pos_ + 1] & 1)) g.transparency = true;
        sub_blocks();
        return good();
    }
    bool image(GifLayout& g) {
        GifImage im;
        im.left = word();
        im.top = word();
        im.width = word();
        im.height = word();
        int packed = byte();
        im.interlaced = packed & 0x40;
        im.has_local_table = packed & 0x80;
        if (im.has_local_table && !table(packed, im.local_table)) return false;
        im.min_code_size = byte();
        im.data_bytes = sub_blocks();
        g.images.push_back(std::move(im));
        return good();
    }

    const std::vector<std::uint8_t>& b_;
    std::size_t pos_ = 0;
};

GifLayout layout_of(const std::string& gif) { return GifWalker(read_file(gif)).walk(); }

// The colours of all colour tables of the file, each once, in the order in
// which they first appear: what the decoder's one colour table must start with.
std::vector<Rgb> merged_colours(const GifLayout& g) {
    std::vector<Rgb> merged;
    auto merge = [&](const std::vector<Rgb>& table) {
        for (Rgb c : table)
            if (std::find(merged.begin(), merged.end(), c) == merged.end()) merged.push_back(c);
    };
    merge(g.global_table);
    for (const GifImage& im : g.images) merge(im.local_table);
    return merged;
}

// The screen as the peer's images make it: each image at its place, later
// over earlier; -1 where no image lies.
std::vector<std::int64_t> composite(const GifLayout& g, const std::vector<peer::Picture>& images) {
    std::vector<std::int64_t> screen(static_cast<std::size_t>(g.width) * g.height, -1);
    for (std::size_t k = 0; k < images.size(); ++k) {
        const peer::Picture& p = images[k];
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                int sx = g.images[k].left + x, sy = g.images[k].top + y;
                if (sx >= g.width || sy >= g.height) continue;
                const std::uint8_t* c = &p.rgb[3 * (static_cast<std::size_t>(y) * p.width + x)];
                screen[static_cast<std::size_t>(sy) * g.width + sx] = c[0] << 16 | c[1] << 8 | c[2];
            }
    }
    return screen;
}

std::string hex(Rgb rgb) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

Rgb table_colour(const DibView& v, unsigned index) {
    const RGBQUAD& q = v.colour(index);
    return static_cast<Rgb>(q.rgbRed << 16 | q.rgbGreen << 8 | q.rgbBlue);
}

// Our DIB of the file holds the peer's screen: the header of an 8-bit
// screen-sized DIB, the merged colours at the start of the table, the peer's
// colour at every pixel an image covers and index 0 everywhere else.
void expect_same_screen(const std::string& gif, const std::vector<peer::Picture>& peer_images) {
    GifLayout g = layout_of(gif);
    ASSERT_TRUE(g.ok) << gif << " is not a GIF file that can be walked";
    ASSERT_EQ(peer_images.size(), g.images.size()) << "giftopnm gives one picture per image";
    for (std::size_t k = 0; k < g.images.size(); ++k) {
        ASSERT_EQ(peer_images[k].width, g.images[k].width) << "image " << k;
        ASSERT_EQ(peer_images[k].height, g.images[k].height) << "image " << k;
    }
    std::vector<Rgb> colours = merged_colours(g);
    ASSERT_LE(colours.size(), 256u) << "such a file is refused; see ManyColoursOverAllTablesAreRefused";

    IPRESULT r = ipGif2Dib(gif.c_str(), 0, nullptr);
    ASSERT_GT(r, IPE_LAST) << "error " << r;
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(r);
    DibView v(dib);
    GlobalFree(dib);

    const BITMAPINFOHEADER& h = v.header();
    std::size_t stride = (static_cast<std::size_t>(g.width) + 3) / 4 * 4;
    // The pixels are looked at through these.
    ASSERT_EQ(h.biWidth, g.width);
    ASSERT_EQ(h.biHeight, g.height);
    ASSERT_EQ(h.biBitCount, 8);
    ASSERT_EQ(h.biClrUsed, 256u);
    ASSERT_GE(v.size(), 40 + 1024 + stride * g.height);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biCompression, 0u);
    EXPECT_EQ(h.biSizeImage, stride * g.height);
    EXPECT_EQ(h.biClrImportant, colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i)
        EXPECT_EQ(table_colour(v, static_cast<unsigned>(i)), colours[i]) << "table entry " << i;

    std::vector<std::int64_t> want = composite(g, peer_images);
    std::size_t wrong = 0;
    std::string first;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            unsigned index = v.row_from_top(y)[x];
            std::int64_t expected = want[static_cast<std::size_t>(y) * g.width + x];
            bool right = expected < 0 ? index == 0 : table_colour(v, index) == expected;
            if (right || wrong++ > 0) continue;
            first = "x " + std::to_string(x) + " y " + std::to_string(y) + ": index " + std::to_string(index);
            first += expected < 0 ? " where no image lies"
                                  : ", colour " + hex(table_colour(v, index)) + " for " + hex(static_cast<Rgb>(expected));
        }
    EXPECT_EQ(wrong, 0u) << "pixels differ from giftopnm's, the first at " << first;
}

// The images of a GIF file as giftopnm decodes them.
std::vector<peer::Picture> giftopnm(const std::string& gif, const std::string& out) {
    if (peer::run("giftopnm -image=all " + gif + " > " + out) != 0) return {};
    return peer::read_pnm_stream(out);
}

// What a peer's file must show for a case to test what it says.
struct Shape {
    std::size_t images;
    std::size_t interlaced;     // images stored interlaced
    std::size_t local_tables;   // images with their own colour table
    bool transparency, comment;
};

void expect_shape(const GifLayout& g, const Shape& s) {
    ASSERT_TRUE(g.ok);
    std::size_t interlaced = 0, local = 0;
    for (const GifImage& im : g.images) {
        interlaced += im.interlaced;
        local += im.has_local_table;
    }
    EXPECT_EQ(g.images.size(), s.images);
    EXPECT_EQ(interlaced, s.interlaced);
    EXPECT_EQ(local, s.local_tables);
    EXPECT_EQ(g.transparency, s.transparency);
    EXPECT_EQ(g.comment, s.comment);
}

std::string replaced(std::string command, const std::string& token, const std::string& by) {
    for (std::size_t at; (at = command.find(token)) != std::string::npos;) command.replace(at, token.size(), by);
    return command;
}

struct MadeCase {
    const char* name;
    std::string command;  // {in}: a picture with detail, {ppm}: the same as PPM, {out}: the GIF file
    Shape shape;
};

class GifPeerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!peer::have("convert")) GTEST_SKIP() << "ImageMagick (convert) is not installed";
        if (!peer::have("giftopnm")) GTEST_SKIP() << "netpbm (giftopnm) is not installed";
        // Few flat colours, a diagonal line and soft edges for the palette.
        ASSERT_EQ(peer::run("convert -size 37x23 xc:white -fill red -draw 'rectangle 2,2 20,12' -fill blue "
                            "-draw 'circle 28,15 33,19' -fill black -draw 'line 0,22 36,0' " +
                            dir.path("src.png")),
                  0);
        ASSERT_EQ(peer::run("convert " + dir.path("src.png") + " -depth 8 ppm:" + dir.path("src.ppm")), 0);
    }

    void check(const MadeCase& c) {
        SCOPED_TRACE(c.name);
        std::string gif = dir.path("case.gif");
        std::remove(gif.c_str());
        std::string command = replaced(c.command, "{in}", dir.path("src.png"));
        command = replaced(replaced(command, "{ppm}", dir.path("src.ppm")), "{out}", gif);
        ASSERT_EQ(peer::run(command), 0) << command;
        expect_shape(layout_of(gif), c.shape);
        std::vector<peer::Picture> reference = giftopnm(gif, dir.path("ref.pnm"));
        ASSERT_FALSE(reference.empty()) << "giftopnm cannot read " << command;
        expect_same_screen(gif, reference);
    }

    ScratchDir dir;
};

TEST_F(GifPeerTest, ImageMagickFilesDecodeLikeGiftopnm) {
    const MadeCase cases[] = {
        {"8 colours", "convert {in} -colors 8 {out}", {1, 0, 0, false, false}},
        {"interlaced", "convert {in} -colors 8 -interlace GIF {out}", {1, 1, 0, false, false}},
        {"two colours", "convert {in} -monochrome {out}", {1, 0, 0, false, false}},
        {"gray levels", "convert {in} -blur 0x2 -colorspace Gray -colors 16 {out}", {1, 0, 0, false, false}},
        {"256 colours", "convert -seed 2 -size 61x47 plasma:fractal -colors 256 {out}", {1, 0, 0, false, false}},
        {"transparent colour and comment",
         "convert {in} -transparent white -colors 8 -set comment 'a comment block' {out}", {1, 0, 0, true, true}},
        // Frames at their own places, with their own colour tables, one of
        // them over another, and parts of the screen no frame covers.
        {"frames at offsets",
         "convert -seed 5 \\( -size 12x9 plasma:fractal -colors 40 -set page 40x30+7+5 \\) "
         "\\( -size 15x11 gradient:green-navy -colors 24 -set page 40x30+25+19 \\) "
         "\\( -size 20x12 xc:orange -fill purple -draw 'circle 10,6 14,9' -transparent orange "
         "-set page 40x30+0+0 \\) -set comment 'frames at offsets' {out}",
         {3, 0, 2, true, true}},
        {"interlaced frames at offsets",
         "convert -seed 6 \\( -size 13x17 plasma:fractal -colors 30 -set page 33x29+20+0 \\) "
         "\\( {in} -crop 30x20+4+2 +repage -colors 7 -set page 33x29+1+9 \\) -interlace GIF {out}",
         {2, 2, 1, false, false}},
        // An animation as ImageMagick optimises it: later frames cropped to
        // what changes, unchanged pixels transparent.
        {"optimised animation",
         "convert -size 30x20 xc:white \\( +clone -fill red -draw 'circle 8,10 12,10' \\) "
         "\\( +clone -fill blue -draw 'rectangle 15,3 25,9' \\) \\( +clone -fill green -draw 'line 0,19 29,0' \\) "
         "-layers Optimize {out}",
         {4, 0, 0, true, false}},
    };
    for (const MadeCase& c : cases) check(c);
}

TEST_F(GifPeerTest, NetpbmFilesDecodeLikeGiftopnm) {
    if (!peer::have("pamtogif") || !peer::have("pnmquant")) GTEST_SKIP() << "netpbm (pamtogif) is not installed";
    const MadeCase cases[] = {
        {"pamtogif", "pnmquant 6 {ppm} | pamtogif > {out}", {1, 0, 0, false, false}},
        {"interlaced", "pnmquant 6 {ppm} | pamtogif -interlace > {out}", {1, 1, 0, false, false}},
        {"uncompressed codes", "pnmquant 6 {ppm} | pamtogif -nolzw > {out}", {1, 0, 0, false, false}},
        {"sorted colour table", "pnmquant 100 {ppm} | pamtogif -sort > {out}", {1, 0, 0, false, false}},
        {"transparent colour", "pnmquant 6 {ppm} | pamtogif -transparent=white > {out}", {1, 0, 0, true, false}},
        {"comment", "pnmquant 6 {ppm} | pamtogif -comment='made by a test' > {out}", {1, 0, 0, false, true}},
        {"bilevel", "ppmtopgm {ppm} | pgmtopbm -threshold | pamtogif > {out}", {1, 0, 0, false, false}},
        {"gray levels", "ppmtopgm {ppm} | pnmquant 5 | pamtogif > {out}", {1, 0, 0, false, false}},
        {"ppmtogif", "pnmquant 6 {ppm} | ppmtogif > {out}", {1, 0, 0, false, false}},
    };
    for (const MadeCase& c : cases) check(c);
}

// A picture large enough that the encoders fill their code tables many
// times over and write 12-bit codes.
TEST_F(GifPeerTest, FullCodeTablesOfBothEncoders) {
    // One picture of 256 colours, encoded by each encoder as it is.
    ASSERT_EQ(peer::run("convert -seed 3 -size 1000x700 plasma:fractal -colors 256 -depth 8 ppm:" +
                        dir.path("big.ppm")),
              0);
    std::vector<MadeCase> cases = {
        {"ImageMagick", "convert {big} {out}", {1, 0, 0, false, false}},
        {"ImageMagick interlaced", "convert {big} -interlace GIF {out}", {1, 1, 0, false, false}},
    };
    if (peer::have("pamtogif")) cases.push_back({"pamtogif", "pamtogif {big} > {out}", {1, 0, 0, false, false}});
    for (MadeCase& c : cases) {
        c.command = replaced(c.command, "{big}", dir.path("big.ppm"));
        check(c);
        GifLayout g = layout_of(dir.path("case.gif"));
        ASSERT_EQ(g.images.size(), 1u);
        EXPECT_EQ(g.images[0].min_code_size, 8);
        // Far more codes than one table of 4096 entries holds.
        EXPECT_GT(g.images[0].data_bytes, 3 * 4096 * 12 / 8u);
    }
}

TEST_F(GifPeerTest, OneColourPicturesWithTheLongestStrings) {
    // A plain background gives strings of well over a thousand pixels.
    std::vector<MadeCase> cases = {{"ImageMagick", "convert -size 1000x1100 xc:white {out}", {1, 0, 0, false, false}}};
    if (peer::have("ppmmake") && peer::have("pamtogif"))
        cases.push_back({"pamtogif", "ppmmake rgb:20/40/60 1000 1100 | pamtogif > {out}", {1, 0, 0, false, false}});
    for (MadeCase& c : cases) check(c);
}

// Two frames whose colour tables hold more than 256 colours between them:
// giftopnm shows each, our one table cannot hold them.
TEST_F(GifPeerTest, ManyColoursOverAllTablesAreRefused) {
    std::string gif = dir.path("many.gif");
    ASSERT_EQ(peer::run("convert -seed 7 -size 40x30 plasma:fractal -colors 200 \\( -size 40x30 plasma:fractal "
                        "-negate -colors 200 \\) " + gif),
              0);
    GifLayout g = layout_of(gif);
    ASSERT_TRUE(g.ok);
    ASSERT_GT(merged_colours(g).size(), 256u);
    EXPECT_EQ(giftopnm(gif, dir.path("ref.pnm")).size(), 2u);
    EXPECT_EQ(ipGif2Dib(gif.c_str(), 0, nullptr), IPE_COLOURS);
}

// Files made by the peers once and kept with giftopnm's pictures of them,
// for machines without the tools (see data/gif/README).
TEST(GifPeerFiles, KeptFilesDecodeLikeGiftopnm) {
    const std::filesystem::path data = std::filesystem::path(__FILE__).parent_path() / "data" / "gif";
    const struct {
        const char* name;
        Shape shape;
    } files[] = {
        {"im_frames", {3, 0, 2, true, true}},
        {"im_interlaced_comment", {1, 1, 0, true, true}},
        {"pamtogif_interlaced", {1, 1, 0, false, false}},
        {"pamtogif_nolzw", {1, 0, 0, false, false}},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        std::string gif = (data / (std::string(f.name) + ".gif")).string();
        std::vector<peer::Picture> reference = peer::read_pnm_stream((data / (std::string(f.name) + ".ppm")).string());
        ASSERT_FALSE(reference.empty()) << "no giftopnm picture beside " << gif;
        expect_shape(layout_of(gif), f.shape);
        expect_same_screen(gif, reference);
    }
}

}  // namespace
