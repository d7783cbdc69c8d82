// ipImport and ipImportExt: read any supported file and deliver the kind
// of picture the caller takes.
#include <cstring>
#include <string>

#include "guard.h"
#include "handles.h"
#include "library_state.h"
#include "mirv32.h"
#include "platform/gdi/metafile.h"
#include "progress/progress.h"

namespace {

struct Imported {
    int error = 0;
    HGLOBAL dib = nullptr;
    HMETAFILE metafile = nullptr;
};

Imported take(IPRESULT r, bool is_metafile) {
    Imported out;
    if (mirv::is_error(r)) out.error = static_cast<int>(r);
    else if (is_metafile) out.metafile = mirv::metafile_of(r);
    else out.dib = mirv::dib_of(r);
    return out;
}

// Runs the reader of a type; only the readers this build has answer.
Imported dispatch(int type, const char* file, DWORD flags, IPCALLBACK callback, IPPICTUREINFO* info) {
    flags |= IP_NOWAIT;
    switch (type) {
    case IPT_WMF: return take(ipWmf2Meta(file, flags, callback, info), true);
    case IPT_BMP: return take(ipBmp2Dib(file, flags, callback), false);
    case IPT_GIF: return take(ipGif2Dib(file, flags, callback), false);
    case IPT_PCX: return take(ipPcx2Dib(file, flags, callback), false);
    default: return {IPE_PARAMS, nullptr, nullptr};
    }
}

// Hands over the kind the caller accepts, converting when needed.
void deliver(Imported& got, DWORD flags, const IPRENDERSIZE* renderSize, IPPICTUREINFO* info) {
    if (got.metafile && !(flags & IP_META)) {
        IPRESULT r = ipMeta2Dib(got.metafile, renderSize, info);
        DeleteMetaFile(got.metafile);
        got.metafile = nullptr;
        if (mirv::is_error(r)) got.error = static_cast<int>(r);
        else got.dib = mirv::dib_of(r);
    } else if (got.dib && !(flags & IP_DIB)) {
        IPRESULT r = ipDib2Meta(got.dib, renderSize, info);
        GlobalFree(got.dib);
        got.dib = nullptr;
        if (mirv::is_error(r)) got.error = static_cast<int>(r);
        else got.metafile = mirv::metafile_of(r);
    }
}

DWORD accepted_kinds(DWORD flags, const HGLOBAL* dib, const HMETAFILE* metafile) {
    if (!dib) flags &= ~IP_DIB;
    if (!metafile) flags &= ~IP_META;
    if (!(flags & (IP_DIB | IP_META))) {
        if (dib) flags |= IP_DIB;
        if (metafile) flags |= IP_META;
    }
    return flags;
}

int import_ext(HGLOBAL* dib, HMETAFILE* metafile, char* fileName, DWORD flags, IPCALLBACK callback, int type,
               HWND parent, const IPRENDERSIZE* renderSize, IPPICTUREINFO* info) {
    flags = accepted_kinds(flags, dib, metafile);
    mirv::library_state().quiet = (flags & IP_QUIET) != 0;
    int error = 0;
    if (!(flags & (IP_DIB | IP_META)) || (!(flags & IP_DIALOG) && !fileName) || ((flags & IP_DIALOG) && !parent))
        error = IPE_PARAMS;

    // "file;name" reads file under the type of name.
    std::string file = fileName ? fileName : "";
    std::string type_name = file;
    if (std::size_t semi = file.find(';'); semi != std::string::npos) {
        type_name = file.substr(semi + 1);
        file.resize(semi);
    }
    if (!error) {
        if (flags & IP_DIALOG) type = 0;  // no open dialog in this build: as if cancelled
        else if (type == 0) type = ipTypFromName(type_name.c_str(), mirv::library_state().filter_path);
    }
    bool began = false;
    if (!error && type != 0 && !(flags & IP_NOWAIT)) {
        error = mirv::progress::begin(parent, callback);
        began = error == 0;
    }
    IPPICTUREINFO own{};
    if (!info) info = &own;
    std::memset(info, 0, sizeof *info);

    Imported got;
    if (!error && type != 0) {
        got = dispatch(type, file.c_str(), flags, callback, info);
        if (!got.error) deliver(got, flags, renderSize, info);
        error = got.error;
    }
    if (error && (flags & IP_SHOWERROR)) {
        ipErrorMsg(error);
        error = 0;
    }
    if (began) mirv::progress::end();
    if (dib) *dib = got.dib;
    if (metafile) *metafile = got.metafile;
    return error;
}

}  // namespace

extern "C" {

int ipImportExt(HGLOBAL* dib, HMETAFILE* metafile, char* fileName, DWORD flags, IPCALLBACK callback, int type,
                HWND parent, const IPRENDERSIZE* renderSize, IPPICTUREINFO* info, int) {
    return mirv::guarded(IPE_PARAMS, [&] {
        return import_ext(dib, metafile, fileName, flags, callback, type, parent, renderSize, info);
    });
}

int ipImport(HGLOBAL* dib, HMETAFILE* metafile, char* fileName, DWORD flags, IPCALLBACK callback, int type,
             HWND parent, const IPRENDERSIZE* renderSize) {
    IPPICTUREINFO info{};
    return ipImportExt(dib, metafile, fileName, flags, callback, type, parent, renderSize, &info, 0);
}

}  // extern "C"
