// The GIF reader over arbitrary file contents: every DIB it delivers is the
// 8-bit screen-sized DIB it promises, every failure one of the reader's codes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "memory_file.h"
#include "mirv32.h"

namespace {

// Screens above this many pixels are left out: the reader allocates the
// whole screen before it reads any picture data, so such inputs only
// measure the allocator.
constexpr std::uint64_t kLargestScreen = 4096 * 4096;

unsigned screen_word(const std::uint8_t* data, std::size_t at) { return data[at] | data[at + 1] << 8; }

// The progress callback: goes on, except that some inputs stop at the
// second progress report, so that the reader's clean-up after a stop runs.
int progress_calls = 0;
int stop_at = 0;
int progress() { return ++progress_calls != stop_at; }

bool known_failure(IPRESULT r) {
    switch (r) {
    case IPE_EOF:
    case IPE_MEMORY:
    case IPE_NOTFOUND:
    case IPE_NOGIF:
    case IPE_CANCELLED:
    case IPE_COLOURS:
    case IPE_BUSY:
        return true;
    default:
        return false;
    }
}

void check_dib(HGLOBAL dib, unsigned width, unsigned height) {
    BITMAPINFOHEADER h;
    if (GlobalSize(dib) < sizeof h) std::abort();
    std::memcpy(&h, GlobalLock(dib), sizeof h);
    GlobalUnlock(dib);
    std::uint64_t row = (width + 3u) / 4u * 4u;
    bool sound = h.biSize == 40 && h.biBitCount == 8 && h.biPlanes == 1 && h.biCompression == BI_RGB &&
                 h.biClrUsed == 256 && h.biClrImportant <= 256 && h.biWidth == static_cast<std::int32_t>(width) &&
                 h.biHeight == static_cast<std::int32_t>(height) && h.biSizeImage == row * height &&
                 40 + 1024 + row * height <= GlobalSize(dib);
    if (!sound) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    bool has_screen = size >= 10;
    unsigned width = has_screen ? screen_word(data, 6) : 0, height = has_screen ? screen_word(data, 8) : 0;
    if (static_cast<std::uint64_t>(width) * height > kLargestScreen) return -1;
    file.fill(data, size);
    progress_calls = 0;
    stop_at = size % 4 == 3 ? 2 : 0;
    IPRESULT r = ipGif2Dib(file.path.c_str(), 0, progress);
    if (r >= 0 && r <= IPE_LAST) {
        if (!known_failure(r)) std::abort();
        if (r == IPE_CANCELLED && stop_at == 0) std::abort();
        return 0;
    }
    if (!has_screen) std::abort();
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(r);
    check_dib(dib, width, height);
    GlobalFree(dib);
    return 0;
}
