// ipMeta2Wmf: a metafile behind a placeable header into a WMF file.
#include <vector>

#include "frame/file.h"
#include "frame/guard.h"
#include "frame/handles.h"
#include "frame/wait_cursor.h"
#include "mirv32.h"
#include "placeable.h"
#include "platform/gdi/metafile.h"
#include "window_box.h"

namespace {

using namespace mirv::wmf;

int write_wmf(const char* fileName, HMETAFILE metafile, const IPPICTUREINFO* info) {
    auto f = mirv::File::create(fileName);
    if (!f) return IPE_OPEN;
    Placeable box;
    if (info && info->inch != 0) {
        box = from_info(*info);
    } else {
        box = window_box(metafile);
        box.inch = 254;
    }
    std::uint8_t head[kPlaceableBytes];
    encode(box, head);
    int result = 0;
    bool header_written = f->write(head, sizeof head);
    UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
    if (size == 0) {
        result = IPE_MEMORY;
    } else {
        std::vector<std::uint8_t> bits(size);
        if (GetMetaFileBitsEx(metafile, size, bits.data()) != size || !f->write(bits.data(), size) || !header_written)
            result = IPE_WRITE;
    }
    if (!f->close()) return IPE_CLOSE;
    return result;
}

}  // namespace

extern "C" int ipMeta2Wmf(const char* fileName, DWORD flags, IPCALLBACK, HMETAFILE metafile,
                          const IPPICTUREINFO* info) {
    int r = mirv::guarded(IPE_WRITE, [&] {
        mirv::WaitCursor wait;
        return write_wmf(fileName, metafile, info);
    });
    return mirv::export_failure(r, flags);
}
