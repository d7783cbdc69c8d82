// Metafile handles: recording, bits in and out, enumeration and playback.
#include <cstring>
#include <new>
#include <vector>

#include "device_context.h"
#include "handle_registry.h"
#include "metafile_parser.h"
#include "metafile_player.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/objects.h"

using namespace platform::gdi;

namespace {

struct Metafile {
    std::vector<std::uint8_t> bits;
};

Metafile* metafile_of(HMETAFILE handle) {
    return metafile_registry().contains(handle) ? reinterpret_cast<Metafile*>(handle) : nullptr;
}

HMETAFILE register_metafile(std::vector<std::uint8_t> bits) {
    auto* mf = new (std::nothrow) Metafile{std::move(bits)};
    if (!mf) return nullptr;
    metafile_registry().add(mf);
    return reinterpret_cast<HMETAFILE>(mf);
}

// Deletes what a playback left in its handle table.
void release_table(std::vector<HGDIOBJ>& table) {
    for (HGDIOBJ& o : table) {
        if (o) DeleteObject(o);
        o = nullptr;
    }
}

}  // namespace

extern "C" {

HDC CreateMetaFileA(const char* fileName) {
    if (fileName) return nullptr;
    return handle_of(create_dc(true));
}

HMETAFILE CloseMetaFile(HDC handle) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !dc->recorder) return nullptr;
    std::vector<std::uint8_t> bits = dc->recorder->finish();
    destroy_dc(dc);
    return register_metafile(std::move(bits));
}

HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* bits) {
    if (!bits || !parse_metafile(bits, size)) return nullptr;
    return register_metafile(std::vector<std::uint8_t>(bits, bits + size));
}

UINT GetMetaFileBitsEx(HMETAFILE handle, UINT size, void* out) {
    Metafile* mf = metafile_of(handle);
    if (!mf) return 0;
    UINT needed = static_cast<UINT>(mf->bits.size());
    if (!out) return needed;
    if (size < needed) return 0;
    std::memcpy(out, mf->bits.data(), needed);
    return needed;
}

BOOL DeleteMetaFile(HMETAFILE handle) {
    Metafile* mf = metafile_of(handle);
    if (!mf) return FALSE_;
    metafile_registry().remove(mf);
    delete mf;
    return TRUE_;
}

BOOL EnumMetaFile(HDC dc, HMETAFILE handle, MFENUMPROC proc, LPARAM data) {
    Metafile* mf = metafile_of(handle);
    if (!mf || !proc) return FALSE_;
    // The bits are copied: a callback may delete the metafile.
    std::vector<std::uint8_t> bits = mf->bits;
    auto parsed = parse_metafile(bits.data(), bits.size());
    if (!parsed) return FALSE_;
    std::vector<HGDIOBJ> table(parsed->object_count + 1u, nullptr);
    auto* handles = reinterpret_cast<HANDLETABLE*>(table.data());
    std::vector<std::uint32_t> aligned;
    BOOL result = TRUE_;
    for (const RecordView& r : parsed->records) {
        aligned.assign((r.size_bytes + 3) / 4, 0);
        std::memcpy(aligned.data(), bits.data() + r.offset, r.size_bytes);
        if (!proc(dc, handles, reinterpret_cast<METARECORD*>(aligned.data()), parsed->object_count, data)) {
            result = FALSE_;
            break;
        }
    }
    release_table(table);
    return result;
}

BOOL PlayMetaFileRecord(HDC dc, HANDLETABLE* table, const METARECORD* rec, UINT objects) {
    if (!rec || !table || rec->rdSize < 3) return FALSE_;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(rec);
    play_record(dc, table->objectHandle, objects, rec->rdFunction, bytes + 6,
                static_cast<std::size_t>(rec->rdSize) * 2 - 6);
    return TRUE_;
}

BOOL PlayMetaFile(HDC dc, HMETAFILE handle) {
    Metafile* mf = metafile_of(handle);
    if (!mf || !dc_of(dc)) return FALSE_;
    std::vector<std::uint8_t> bits = mf->bits;
    auto parsed = parse_metafile(bits.data(), bits.size());
    if (!parsed) return FALSE_;
    std::vector<HGDIOBJ> table(parsed->object_count, nullptr);
    for (const RecordView& r : parsed->records)
        play_record(dc, table.data(), table.size(), r.function, r.params, r.param_bytes);
    release_table(table);
    return TRUE_;
}

}  // extern "C"
