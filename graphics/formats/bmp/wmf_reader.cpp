// ipWmf2Meta: a WMF file, with or without placeable header, into a
// metafile. Bits the metafile parser refuses make the file no WMF file.
#include <limits>
#include <vector>

#include "frame/file.h"
#include "frame/guard.h"
#include "frame/handles.h"
#include "frame/wait_cursor.h"
#include "mirv32.h"
#include "placeable.h"
#include "platform/gdi/metafile.h"

namespace {

using namespace mirv::wmf;

IPRESULT read_wmf(const char* fileName, IPPICTUREINFO* info) {
    auto f = mirv::File::open_read(fileName);
    if (!f) return IPE_OPEN;
    std::uint8_t head[kPlaceableBytes] = {};
    std::size_t got = f->read(head, sizeof head);
    Placeable placeable;
    bool has_placeable = got == sizeof head && decode(head, placeable);
    std::uint32_t first = static_cast<std::uint32_t>(head[0] | (head[1] << 8) | (head[2] << 16)) |
                          (static_cast<std::uint32_t>(head[3]) << 24);
    bool plain = got >= 4 && (first >> 16) == 9 && (first & 0xFFFF) < 3;
    if (!has_placeable && !plain) return IPE_NOWMF;

    std::uint64_t start = has_placeable ? kPlaceableBytes : 0;
    std::uint64_t size = f->size();
    if (size <= start || size - start > std::numeric_limits<UINT>::max()) return IPE_NOWMF;
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(size - start));
    if (!f->seek(start) || f->read(bits.data(), bits.size()) != bits.size()) return IPE_NOWMF;
    HMETAFILE mf = SetMetaFileBitsEx(static_cast<UINT>(bits.size()), bits.data());
    if (!mf) return IPE_NOWMF;
    if (!f->close()) {
        DeleteMetaFile(mf);
        return IPE_CLOSE;
    }
    if (has_placeable && info) to_info(placeable, *info);
    return mirv::result_of(mf);
}

}  // namespace

extern "C" IPRESULT ipWmf2Meta(const char* fileName, DWORD flags, IPCALLBACK, IPPICTUREINFO* info) {
    IPRESULT r = mirv::guarded<IPRESULT>(IPE_NOWMF, [&] {
        mirv::WaitCursor wait;
        return read_wmf(fileName, info);
    });
    return mirv::is_error(r) ? mirv::import_failure(static_cast<int>(r), flags) : r;
}
