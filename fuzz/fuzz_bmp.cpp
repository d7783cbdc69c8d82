// The BMP reader over arbitrary file contents; every DIB it delivers must
// hold the pixels its header promises.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "memory_file.h"
#include "mirv32.h"

namespace {

std::uint64_t promised_bytes(const BITMAPINFOHEADER& h) {
    std::uint64_t colours = h.biClrUsed ? (h.biClrUsed & 0xFFFF) : (h.biBitCount <= 8 ? 1u << h.biBitCount : 0);
    std::uint64_t row = ((static_cast<std::uint64_t>(h.biWidth) * h.biBitCount + 31) / 32) * 4;
    return 40 + 4 * colours + row * static_cast<std::uint64_t>(h.biHeight);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    file.fill(data, size);
    IPRESULT r = ipBmp2Dib(file.path.c_str(), 0, nullptr);
    if (r >= 0 && r <= IPE_LAST) {
        if (r != IPE_NOBMP) std::abort();
        return 0;
    }
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(r);
    BITMAPINFOHEADER h;
    std::memcpy(&h, GlobalLock(dib), sizeof h);
    GlobalUnlock(dib);
    bool sound = h.biSize == 40 && h.biCompression == BI_RGB && h.biWidth > 0 && h.biHeight > 0 &&
                 (h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 || h.biBitCount == 24) &&
                 promised_bytes(h) <= GlobalSize(dib);
    if (!sound) std::abort();
    GlobalFree(dib);
    return 0;
}
