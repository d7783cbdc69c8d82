#pragma once
// The library-wide buffers and settings that outlive a call.
namespace mirv {

struct LibraryState {
    char error_text[200] = {};
    char extensions[245] = {};
    char filter_path[260] = {};
    bool quiet = false;
};

LibraryState& library_state();

}  // namespace mirv
