#include "rle.h"

namespace mirv::bmp {

namespace {

// The output position and the writes into the pixel area.
class Canvas {
public:
    Canvas(std::uint8_t* pixels, std::size_t row, std::size_t width, std::size_t height, bool nibbles)
        : pixels_(pixels), row_(row), width_(width), height_(height), nibbles_(nibbles) {}

    void put(unsigned value) {
        if (x_ < width_ && y_ < height_) {
            std::uint8_t* line = pixels_ + y_ * row_;
            if (!nibbles_) {
                line[x_] = static_cast<std::uint8_t>(value);
            } else {
                std::uint8_t& b = line[x_ / 2];
                b = x_ % 2 ? static_cast<std::uint8_t>((b & 0xF0) | (value & 0x0F))
                           : static_cast<std::uint8_t>((b & 0x0F) | ((value & 0x0F) << 4));
            }
        }
        ++x_;
    }
    void end_of_line() {
        x_ = 0;
        ++y_;
    }
    void move(unsigned dx, unsigned dy) {
        x_ += dx;
        y_ += dy;
    }
    bool done() const { return y_ >= height_; }

private:
    std::uint8_t* pixels_;
    std::size_t row_, width_, height_;
    bool nibbles_;
    std::size_t x_ = 0, y_ = 0;
};

// One decoder for both depths: in RLE4 a run or literal of n pixels takes
// its values from nibbles, high nibble first.
void expand(const std::uint8_t* data, std::size_t size, Canvas& out, bool nibbles) {
    std::size_t i = 0;
    while (i + 1 < size && !out.done()) {
        unsigned count = data[i];
        unsigned value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count; ++k)
                out.put(nibbles ? (k % 2 ? value & 0x0F : value >> 4) : value);
            continue;
        }
        switch (value) {
        case 0: out.end_of_line(); break;
        case 1: return;
        case 2:
            if (i + 1 >= size) return;
            out.move(data[i], data[i + 1]);
            i += 2;
            break;
        default: {
            std::size_t bytes = nibbles ? (value + 1) / 2 : value;
            for (unsigned k = 0; k < value; ++k) {
                std::size_t at = i + (nibbles ? k / 2 : k);
                if (at >= size) return;
                out.put(nibbles ? (k % 2 ? data[at] & 0x0F : data[at] >> 4) : data[at]);
            }
            i += bytes + (bytes % 2);  // literal data is padded to a whole word
            break;
        }
        }
    }
}

}  // namespace

void expand_rle8(const std::uint8_t* data, std::size_t size, std::uint8_t* pixels, std::size_t row,
                 std::size_t width, std::size_t height) {
    Canvas out(pixels, row, width, height, false);
    expand(data, size, out, false);
}

void expand_rle4(const std::uint8_t* data, std::size_t size, std::uint8_t* pixels, std::size_t row,
                 std::size_t width, std::size_t height) {
    Canvas out(pixels, row, width, height, true);
    expand(data, size, out, true);
}

}  // namespace mirv::bmp
