// The PCX decoder over arbitrary file contents; every DIB it delivers must
// hold the pixels its header promises, and every failure must be one the
// decoder may give.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "memory_file.h"
#include "mirv32.h"

namespace {

bool allowed_failure(IPRESULT r) { return r == IPE_NOPCX || r == IPE_EOF || r == IPE_MEMORY; }

unsigned colours_for(unsigned bits) { return bits == 24 ? 0 : 1u << bits; }

bool sound(const BITMAPINFOHEADER& h, std::size_t block) {
    if (h.biSize != 40 || h.biPlanes != 1 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight <= 0)
        return false;
    if (h.biBitCount != 1 && h.biBitCount != 4 && h.biBitCount != 8 && h.biBitCount != 24) return false;
    if (h.biClrUsed != colours_for(h.biBitCount) || h.biClrImportant != h.biClrUsed) return false;
    std::uint64_t row = ((static_cast<std::uint64_t>(h.biWidth) * h.biBitCount + 31) / 32) * 4;
    std::uint64_t pixels = row * static_cast<std::uint64_t>(h.biHeight);
    return h.biSizeImage == pixels && 40 + 4 * std::uint64_t{h.biClrUsed} + pixels <= block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    file.fill(data, size);
    IPRESULT r = ipPcx2Dib(file.path.c_str(), 0, nullptr);
    if (r >= 0 && r <= IPE_LAST) {
        if (!allowed_failure(r)) std::abort();
        return 0;
    }
    HGLOBAL dib = reinterpret_cast<HGLOBAL>(r);
    BITMAPINFOHEADER h;
    std::memcpy(&h, GlobalLock(dib), sizeof h);
    GlobalUnlock(dib);
    if (!sound(h, GlobalSize(dib))) std::abort();
    GlobalFree(dib);
    return 0;
}
