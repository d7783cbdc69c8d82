// ipDib2Bmp: a packed DIB behind a 14-byte file header.
#include <cstring>

#include "bmp_file_header.h"
#include "dib/packed_dib.h"
#include "frame/file.h"
#include "frame/guard.h"
#include "frame/handles.h"
#include "frame/wait_cursor.h"
#include "mirv32.h"

namespace {

int write_bmp(const char* fileName, HGLOBAL dib) {
    std::size_t size = GlobalSize(dib);
    if (!dib || size < sizeof(BITMAPINFOHEADER)) return IPE_WRITE;
    auto* base = static_cast<const std::uint8_t*>(GlobalLock(dib));
    if (!base) return IPE_WRITE;
    BITMAPINFOHEADER h;
    std::memcpy(&h, base, sizeof h);
    int result = 0;
    auto f = mirv::File::create(fileName);
    if (!f) {
        result = IPE_WRITE;
    } else {
        BITMAPFILEHEADER fh{kBitmapSignature, static_cast<DWORD>(14 + size), 0, 0,
                            static_cast<DWORD>(14 + h.biSize + mirv::dib::colour_table_bytes(h))};
        bool ok = f->write(&fh, sizeof fh) && f->write(base, size);
        ok = f->close() && ok;
        if (!ok) result = IPE_WRITE;
    }
    GlobalUnlock(dib);
    return result;
}

}  // namespace

extern "C" int ipDib2Bmp(const char* fileName, DWORD flags, IPCALLBACK, HGLOBAL dib) {
    int r = mirv::guarded(IPE_WRITE, [&] {
        mirv::WaitCursor wait;
        return write_bmp(fileName, dib);
    });
    return mirv::export_failure(r, flags);
}
