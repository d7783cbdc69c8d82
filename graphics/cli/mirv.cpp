// mirv: picture information and conversion from the shell, through the
// exported functions of mirv32 only.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "mirv32.h"
#include "platform/gdi/metafile.h"

namespace {

// Qt's own chatter (missing runtime directory and the like) is no message
// of this command.
void quiet_qt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

constexpr int kExitError = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "usage: mirv info FILE\n"
    "       mirv convert IN OUT [--type T] [--render WxH]\n"
    "       mirv --help\n"
    "\n"
    "info     prints type, size, depth, colours and resolution of a picture\n"
    "convert  reads IN and writes OUT; the output type comes from OUT's\n"
    "         extension or from --type (WMF, BMP, ... or a type number);\n"
    "         --render gives the bitmap size for vector pictures\n";

int usage_error(const char* why) {
    std::fprintf(stderr, "mirv: %s\n%s", why, kUsage);
    return kExitUsage;
}

int failure(int code) {
    std::fprintf(stderr, "mirv: %s\n", ipErrorText(code));
    return kExitError;
}

std::optional<int> parse_type(const std::string& text) {
    char* end = nullptr;
    long number = std::strtol(text.c_str(), &end, 10);
    if (!text.empty() && *end == '\0') return number > 0 ? std::optional<int>(static_cast<int>(number)) : std::nullopt;
    int type = ipTypFromName(("x." + text).c_str(), nullptr);
    return type ? std::optional<int>(type) : std::nullopt;
}

std::optional<IPRENDERSIZE> parse_size(const std::string& text) {
    int w = 0, h = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &tail) != 2 || w <= 0 || h <= 0) return std::nullopt;
    return IPRENDERSIZE{w, h};
}

bool is_raster(int type) {
    return type == IPT_BMP || type == IPT_TIF || type == IPT_GIF || type == IPT_PCX || type == IPT_JPG ||
           type == IPT_PNG;
}

const char* type_name(int type) {
    switch (type) {
    case IPT_WMF: return "WMF";
    case IPT_DXF: return "DXF";
    case IPT_BMP: return "BMP";
    case IPT_TIF: return "TIF";
    case IPT_GIF: return "GIF";
    case IPT_PCX: return "PCX";
    case IPT_FLT: return "FLT";
    case IPT_JPG: return "JPG";
    case IPT_PNG: return "PNG";
    default: return "unknown";
    }
}

void print_dib(HGLOBAL dib) {
    auto* h = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
    unsigned colours = h->biClrUsed ? h->biClrUsed : (h->biBitCount <= 8 ? 1u << h->biBitCount : 0);
    std::printf("kind: bitmap\nsize: %d x %d\ndepth: %u bits\ncolours: %u\n", static_cast<int>(h->biWidth),
                static_cast<int>(h->biHeight), static_cast<unsigned>(h->biBitCount), colours);
    if (h->biXPelsPerMeter || h->biYPelsPerMeter)
        std::printf("resolution: %d x %d pixels per metre (%.0f x %.0f dpi)\n", static_cast<int>(h->biXPelsPerMeter),
                    static_cast<int>(h->biYPelsPerMeter), h->biXPelsPerMeter * 0.0254, h->biYPelsPerMeter * 0.0254);
    else
        std::printf("resolution: unknown\n");
    GlobalUnlock(dib);
}

void print_metafile(HMETAFILE mf, const IPPICTUREINFO& info) {
    std::printf("kind: metafile\nbytes: %u\n", GetMetaFileBitsEx(mf, 0, nullptr));
    std::printf("box: %d %d %d %d\n", info.left, info.top, info.right, info.bottom);
    if (info.inch) std::printf("resolution: %u units per inch\n", static_cast<unsigned>(info.inch));
    else std::printf("resolution: unknown\n");
}

int info(const std::vector<std::string>& args) {
    if (args.size() != 1) return usage_error("info takes one file");
    std::string name = args[0];
    int type = ipTypFromName(name.c_str(), nullptr);
    HGLOBAL dib = nullptr;
    HMETAFILE mf = nullptr;
    IPPICTUREINFO pic{};
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    int r = ipImportExt(&dib, &mf, buffer.data(), IP_DIB | IP_META, nullptr, 0, nullptr, nullptr, &pic, 0);
    if (r) return failure(r);
    if (!dib && !mf) return failure(IPE_PARAMS);
    std::printf("file: %s\ntype: %s\n", name.c_str(), type_name(type));
    if (dib) print_dib(dib);
    if (mf) print_metafile(mf, pic);
    if (dib) GlobalFree(dib);
    if (mf) DeleteMetaFile(mf);
    return 0;
}

int convert(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    std::optional<int> type;
    std::optional<IPRENDERSIZE> size;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--type" || args[i] == "--render") {
            if (i + 1 >= args.size()) return usage_error("option without a value");
            const std::string& value = args[++i];
            if (args[i - 1] == "--type" && !(type = parse_type(value))) return usage_error("unknown type");
            if (args[i - 1] == "--render" && !(size = parse_size(value))) return usage_error("render size must be WxH");
        } else if (args[i].rfind("--", 0) == 0) {
            return usage_error("unknown option");
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) return usage_error("convert takes an input and an output file");
    int out_type = type ? *type : ipTypFromName(files[1].c_str(), nullptr);
    if (!out_type) return usage_error("no output type: give --type or a known extension");

    HGLOBAL dib = nullptr;
    HMETAFILE mf = nullptr;
    std::vector<char> in(files[0].begin(), files[0].end());
    in.push_back('\0');
    const IPRENDERSIZE* render = size ? &*size : nullptr;
    int r = ipImport(&dib, &mf, in.data(), IP_DIB | IP_META, nullptr, 0, nullptr, render);
    if (r) return failure(r);
    if (!dib && !mf) return failure(IPE_PARAMS);
    std::vector<char> out(files[1].begin(), files[1].end());
    out.push_back('\0');
    r = ipExport(out.data(), 0, nullptr, out_type, nullptr, render, dib, mf);
    if (dib) GlobalFree(dib);
    if (mf) DeleteMetaFile(mf);
    return r ? failure(r) : 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage_error("no command");
    if (args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // Text in metafiles needs fonts, which need a GUI application; a
    // command shows no windows, so the offscreen platform serves. Pictures
    // read from raster files are never rendered, and start faster without.
    std::optional<QGuiApplication> app;
    if (args.size() < 2 || !is_raster(ipTypFromName(args[1].c_str(), nullptr))) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(quiet_qt);
        static int qt_argc = 1;
        app.emplace(qt_argc, argv);
    }
    std::string command = args[0];
    args.erase(args.begin());
    if (command == "info") return info(args);
    if (command == "convert") return convert(args);
    return usage_error("unknown command");
}
