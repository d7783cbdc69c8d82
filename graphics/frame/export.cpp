// ipExport: write a picture in any supported output format.
#include "guard.h"
#include "handles.h"
#include "library_state.h"
#include "mirv32.h"
#include "platform/gdi/metafile.h"
#include "progress/progress.h"

namespace {

// Runs the writer of a type; only the writers this build has write.
int dispatch(int type, const char* file, DWORD flags, IPCALLBACK callback, const IPRENDERSIZE* renderSize,
             HGLOBAL dib, HMETAFILE metafile) {
    flags = (flags & ~IP_SHOWERROR) | IP_NOWAIT;
    IPPICTUREINFO info{};
    switch (type) {
    case IPT_WMF: {
        HMETAFILE temporary = nullptr;
        if (!metafile) {
            IPRESULT r = ipDib2Meta(dib, renderSize, &info);
            if (mirv::is_error(r)) return static_cast<int>(r);
            metafile = temporary = mirv::metafile_of(r);
        }
        int result = ipMeta2Wmf(file, flags, callback, metafile, temporary ? &info : nullptr);
        if (temporary) DeleteMetaFile(temporary);
        return result;
    }
    case IPT_BMP: {
        HGLOBAL temporary = nullptr;
        if (!dib) {
            IPRESULT r = ipMeta2Dib(metafile, renderSize, &info);
            if (mirv::is_error(r)) return static_cast<int>(r);
            dib = temporary = mirv::dib_of(r);
        }
        int result = ipDib2Bmp(file, flags, callback, dib);
        if (temporary) GlobalFree(temporary);
        return result;
    }
    default:
        return 0;  // no writer for this type: nothing is written
    }
}

int export_picture(char* fileName, DWORD flags, IPCALLBACK callback, int type, HWND parent,
                   const IPRENDERSIZE* renderSize, HGLOBAL dib, HMETAFILE metafile) {
    int error = 0;
    if ((!dib && !metafile) || (!(flags & IP_DIALOG) && !fileName) || ((flags & IP_DIALOG) && !parent))
        error = IPE_PARAMS;
    mirv::library_state().quiet = (flags & IP_QUIET) != 0;
    if (!error && (flags & IP_DIALOG)) type = 0;  // no save dialog in this build: as if cancelled
    bool began = false;
    if (!error && type != 0 && !(flags & IP_NOWAIT)) {
        error = mirv::progress::begin(parent, callback);
        began = error == 0;
    }
    if (!error && type != 0) error = dispatch(type, fileName, flags, callback, renderSize, dib, metafile);
    if (error && (flags & IP_SHOWERROR)) ipErrorMsg(error);
    if (began) mirv::progress::end();
    return error;
}

}  // namespace

extern "C" int ipExport(char* fileName, DWORD flags, IPCALLBACK callback, int type, HWND parent,
                        const IPRENDERSIZE* renderSize, HGLOBAL dib, HMETAFILE metafile) {
    return mirv::guarded(IPE_PARAMS, [&] {
        return export_picture(fileName, flags, callback, type, parent, renderSize, dib, metafile);
    });
}
