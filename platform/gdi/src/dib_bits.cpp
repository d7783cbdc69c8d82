// StretchDIBits and GetDIBits: DIBs into and out of device contexts.
#include <QImage>
#include <cstring>

#include "device_context.h"
#include "dib_size.h"
#include "le_bytes.h"
#include "mapping.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/metafile.h"
#include "platform/gdi/qt.h"

using namespace platform::gdi;

namespace {

std::uint16_t word(int v) { return static_cast<std::uint16_t>(v); }

std::size_t colour_table_bytes(const BITMAPINFOHEADER& h) { return static_cast<std::size_t>(dib_table_bytes(h)); }

std::size_t image_bytes(const BITMAPINFOHEADER& h) {
    return static_cast<std::size_t>(dib_pixel_bytes(h).value_or(0));
}

void record_stretch_dib(DeviceContext& dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                        int ySrc, int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info,
                        UINT usage, DWORD rop) {
    const BITMAPINFOHEADER& h = info->bmiHeader;
    std::size_t header = h.biSize + colour_table_bytes(h);
    std::size_t pixels = h.biSizeImage && h.biCompression != BI_RGB ? h.biSizeImage : image_bytes(h);
    std::vector<std::uint8_t> params;
    params.reserve(22 + header + pixels);
    put_u32(params, rop);
    for (int v : {static_cast<int>(usage), srcHeight, srcWidth, ySrc, xSrc, destHeight, destWidth, yDest, xDest})
        put_u16(params, word(v));
    const auto* info_bytes = reinterpret_cast<const std::uint8_t*>(info);
    params.insert(params.end(), info_bytes, info_bytes + header);
    const auto* pixel_bytes = static_cast<const std::uint8_t*>(bits);
    params.insert(params.end(), pixel_bytes, pixel_bytes + pixels);
    dc.recorder->record_bytes(record::kStretchDib, params);
}

void store_pixel_row(const QRgb* in, int width, int bpp, std::uint8_t* out) {
    for (int x = 0; x < width; ++x) {
        std::uint8_t* p = out + x * (bpp / 8);
        p[0] = static_cast<std::uint8_t>(qBlue(in[x]));
        p[1] = static_cast<std::uint8_t>(qGreen(in[x]));
        p[2] = static_cast<std::uint8_t>(qRed(in[x]));
        if (bpp == 32) p[3] = 0;
    }
}

}  // namespace

namespace platform::gdi {

QImage bitmap_image(HBITMAP handle) {
    GdiObject* bitmap = object_of(handle, ObjectKind::Bitmap);
    if (!bitmap) return {};
    if (bitmap->selected_in) bitmap->selected_in->close_painter();
    return bitmap->image.copy();
}

}  // namespace platform::gdi

extern "C" {

int StretchDIBits(HDC handle, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || !bits || !info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (dc->recorder) {
        record_stretch_dib(*dc, xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth, srcHeight, bits, info,
                           usage, rop);
        return h.biHeight < 0 ? -h.biHeight : h.biHeight;
    }
    QImage image = dib_to_image(info, h.biSize + colour_table_bytes(h), bits, image_bytes(h));
    if (image.isNull()) return 0;
    return play_stretch_image(*dc, image, xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth, srcHeight);
}

int GetDIBits(HDC handle, HBITMAP bitmap_handle, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT) {
    GdiObject* bitmap = object_of(bitmap_handle, ObjectKind::Bitmap);
    if (!dc_of(handle) || !bitmap || !info) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    const QImage& image = bitmap->image;
    if (!bits) {
        h.biSize = sizeof(BITMAPINFOHEADER);
        h.biWidth = image.width();
        h.biHeight = image.height();
        h.biPlanes = 1;
        if (h.biBitCount == 0) h.biBitCount = static_cast<WORD>(bitmap->bits_per_pixel < 24 ? 24 : bitmap->bits_per_pixel);
        h.biCompression = BI_RGB;
        h.biSizeImage = static_cast<DWORD>(image_bytes(h));
        return image.height();
    }
    if (h.biBitCount != 24 && h.biBitCount != 32) return 0;
    if (h.biWidth != image.width() || (h.biHeight != image.height() && h.biHeight != -image.height())) return 0;
    if (bitmap->selected_in) bitmap->selected_in->close_painter();
    int height = image.height();
    if (start >= static_cast<UINT>(height)) return 0;
    UINT count = std::min<UINT>(lines, static_cast<UINT>(height) - start);
    std::size_t stride = ((static_cast<std::size_t>(image.width()) * h.biBitCount + 31) / 32) * 4;
    auto* out = static_cast<std::uint8_t*>(bits);
    for (UINT i = 0; i < count; ++i) {
        int y = height - 1 - static_cast<int>(start + i);  // DIB rows run bottom-up
        std::uint8_t* row = out + i * stride;
        std::memset(row, 0, stride);
        store_pixel_row(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(), h.biBitCount, row);
    }
    return static_cast<int>(count);
}

}  // extern "C"
