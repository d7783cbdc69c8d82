// TextOutA: recorded into a metafile context, painted with the selected
// font, colour, alignment, escapement and background into a memory context.
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "device_context.h"
#include "le_bytes.h"
#include "mapping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/metafile.h"
#include "qt_tools.h"

using namespace platform::gdi;

namespace {

// Glyphs larger than this, or than four times the bitmap, are drawn that
// large: bigger ones cover the whole bitmap anyway.
constexpr double kMaxPixelSize = 2048;
constexpr double kDefaultPixelSize = 13;

std::uint16_t word(int v) { return static_cast<std::uint16_t>(v); }

// A Qt font for a font description: a negative height is the character
// height, a positive one the cell height (ascent plus descent).
QFont to_qfont(const DcState& s, double max_pixels) {
    const LOGFONTA& lf = s.font->font;
    QString face = QString::fromLatin1(lf.lfFaceName);
    if (face.isEmpty() || face == QLatin1String("System")) face = QStringLiteral("Arial");
    QFont font(face);
    font.setStyleStrategy(QFont::NoAntialias);
    if (lf.lfWeight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(lf.lfWeight, 100, 900)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    double height = device_length_y(s, lf.lfHeight);
    if (height < 1) height = kDefaultPixelSize;
    height = std::min({height, kMaxPixelSize, max_pixels});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height))));
    if (lf.lfHeight > 0) {
        QFontMetricsF m(font);
        double cell = m.ascent() + m.descent();
        if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
    }
    return font;
}

// Qt fonts need a GUI application; without one text is not painted.
bool can_paint_text() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

void record_text(DeviceContext& dc, int x, int y, const char* text, int length) {
    std::size_t padded = (static_cast<std::size_t>(length) + 1) & ~std::size_t{1};
    std::vector<std::uint8_t> params(2 + padded + 4, 0);
    write_u16(params.data(), word(length));
    if (length > 0) std::memcpy(params.data() + 2, text, static_cast<std::size_t>(length));
    write_u16(params.data() + 2 + padded, word(y));
    write_u16(params.data() + 4 + padded, word(x));
    dc.recorder->record_bytes(record::kTextOut, params);
}

// Paints the text and returns its advance in device pixels.
double paint_text(DeviceContext& dc, QPainter& p, QPoint reference, const QString& text) {
    const DcState& s = dc.state;
    double max_pixels = 4.0 * std::max(dc.bitmap->image.width(), dc.bitmap->image.height());
    QFont font = to_qfont(s, std::max(1.0, max_pixels));
    QFontMetricsF m(font);
    double width = m.horizontalAdvance(text);
    UINT align = s.text_align;
    double dx = 0;
    if ((align & TA_CENTER) == TA_CENTER) dx = -width / 2;
    else if (align & TA_RIGHT) dx = -width;
    double baseline = 0;
    if ((align & TA_BASELINE) == TA_BASELINE) baseline = 0;
    else if (align & TA_BOTTOM) baseline = -m.descent();
    else baseline = m.ascent();

    p.save();
    p.translate(reference);
    p.rotate(-s.font->font.lfEscapement / 10.0);
    if (s.bk_mode == OPAQUE)
        p.fillRect(QRectF(dx, baseline - m.ascent(), width, m.ascent() + m.descent()), to_qcolor(s.bk_color));
    p.setFont(font);
    p.setPen(to_qcolor(s.text_color));
    p.drawText(QPointF(dx, baseline), text);
    p.restore();
    return width;
}

}  // namespace

extern "C" {

BOOL TextOutA(HDC handle, int x, int y, const char* text, int length) {
    DeviceContext* dc = dc_of(handle);
    if (!dc || length < 0 || (length > 0 && !text) || length > 0x7FFF) return FALSE_;
    if (dc->recorder) {
        record_text(*dc, x, y, text, length);
        return TRUE_;
    }
    bool update = (dc->state.text_align & TA_UPDATECP) != 0;
    POINT ref = update ? dc->state.position : POINT{x, y};
    QPainter* p = dc->open_painter();
    if (!p || length == 0 || !can_paint_text()) return TRUE_;
    double advance = paint_text(*dc, *p, to_device(dc->state, ref.x, ref.y), QString::fromLatin1(text, length));
    if (update) {
        double sx = scale_x(dc->state);
        dc->state.position.x += static_cast<LONG>(std::lround(sx != 0 ? advance / sx : 0));
    }
    return TRUE_;
}

}  // extern "C"
