// The WMF reader over arbitrary file contents, and every metafile it
// accepts rendered into a small bitmap.
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "memory_file.h"
#include "mirv32.h"
#include "platform/gdi/metafile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Text rendering needs a GUI application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    file.fill(data, size);
    IPPICTUREINFO info{};
    IPRESULT r = ipWmf2Meta(file.path.c_str(), 0, nullptr, &info);
    if (r >= 0 && r <= IPE_LAST) return 0;
    HMETAFILE mf = reinterpret_cast<HMETAFILE>(r);
    IPRENDERSIZE size64{64, 48};
    IPRESULT dib = ipMeta2Dib(mf, &size64, &info);
    if (dib > IPE_LAST) GlobalFree(reinterpret_cast<HGLOBAL>(dib));
    else if (dib != IPE_MEMORY) std::abort();
    DeleteMetaFile(mf);
    return 0;
}
