#pragma once
// Where the parts of a progress control go, from the client size and the
// size of the letter "x" in its font.
namespace mirv {

struct ProgressGeometry {
    int margin;       // m
    int gap;          // g
    int tick_height;  // t
    int scale_height; // s
    int caption_height;  // k
    int bar_height;   // b
    int caption_top;  // top of the caption band (when there is a caption)
    int bar_top;
    int bar_left;
    int bar_right;
    int ticks_top;
    int scale_top;
};

ProgressGeometry progress_geometry(int width, int height, int x_width, int x_height, bool has_caption);

}  // namespace mirv
