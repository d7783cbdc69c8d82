#include "pixel_sink.h"

#include <algorithm>

namespace mirv::gif {

namespace {

struct Pass {
    std::int64_t first_row;
    std::int64_t step;
};

// Pass 0 is a plain image; passes 1 to 4 are those of an interlaced one.
constexpr Pass kPasses[5] = {{0, 1}, {0, 8}, {4, 8}, {2, 4}, {1, 2}};

}  // namespace

PixelSink::PixelSink(const Canvas& canvas, const Placement& image, const ColourMap& map)
    : canvas_(canvas), image_(image), pass_(image.interlaced ? 1 : 0) {
    for (std::size_t i = 0; i < 256; ++i) colour_of_[i] = static_cast<std::uint8_t>(map[i]);
    visible_to_ = std::clamp<std::int64_t>(canvas.width - image.left, 0, std::max<std::int64_t>(image.width, 0));
    done_ = image.width <= 0 || image.height <= 0;
    if (!done_) aim_at_row();
}

void PixelSink::next_row() {
    column_ = 0;
    image_row_ += kPasses[pass_].step;
    while (image_row_ >= image_.height) {
        if (pass_ == 0 || pass_ == 4) {
            done_ = true;
            room_ = 0;
            return;
        }
        image_row_ = kPasses[++pass_].first_row;
    }
    aim_at_row();
}

void PixelSink::aim_at_row() {
    std::int64_t screen_row = image_.top + image_row_;
    bool on_screen = screen_row < canvas_.height && visible_to_ > 0;
    row_ = on_screen ? canvas_.pixels + static_cast<std::uint64_t>(canvas_.height - 1 - screen_row) * canvas_.row_bytes +
                           image_.left
                     : nullptr;
    update_room();
}

}  // namespace mirv::gif
