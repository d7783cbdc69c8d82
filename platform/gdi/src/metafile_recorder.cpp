#include "metafile_recorder.h"

#include <algorithm>
#include <cstring>

#include "le_bytes.h"
#include "platform/gdi/metafile.h"

namespace platform::gdi {

namespace {

std::vector<std::uint8_t> pen_params(const LOGPEN& pen) {
    std::vector<std::uint8_t> p;
    put_u16(p, static_cast<std::uint16_t>(pen.lopnStyle));
    put_u16(p, static_cast<std::uint16_t>(pen.lopnWidth.x));
    put_u16(p, static_cast<std::uint16_t>(pen.lopnWidth.y));
    put_u32(p, pen.lopnColor);
    return p;
}

std::vector<std::uint8_t> brush_params(const LOGBRUSH& brush) {
    std::vector<std::uint8_t> p;
    put_u16(p, static_cast<std::uint16_t>(brush.lbStyle));
    put_u32(p, brush.lbColor);
    put_u16(p, static_cast<std::uint16_t>(brush.lbHatch));
    return p;
}

std::vector<std::uint8_t> font_params(const LOGFONTA& font) {
    std::vector<std::uint8_t> p;
    for (LONG v : {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight})
        put_u16(p, static_cast<std::uint16_t>(v));
    for (BYTE b : {font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
                   font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily})
        p.push_back(b);
    char face[LF_FACESIZE] = {};
    std::memcpy(face, font.lfFaceName, LF_FACESIZE - 1);
    p.insert(p.end(), face, face + LF_FACESIZE);
    return p;
}

std::vector<std::uint8_t> palette_params(const std::vector<PALETTEENTRY>& entries) {
    std::vector<std::uint8_t> p;
    put_u16(p, 0x0300);
    put_u16(p, static_cast<std::uint16_t>(entries.size()));
    for (const PALETTEENTRY& e : entries) {
        p.push_back(e.peRed);
        p.push_back(e.peGreen);
        p.push_back(e.peBlue);
        p.push_back(e.peFlags);
    }
    return p;
}

}  // namespace

void MetafileRecorder::append_record(WORD function, const std::uint8_t* params, std::size_t bytes) {
    std::size_t words = 3 + (bytes + 1) / 2;
    put_u32(records_, static_cast<std::uint32_t>(words));
    put_u16(records_, function);
    records_.insert(records_.end(), params, params + bytes);
    if (bytes % 2) records_.push_back(0);
    max_record_words_ = std::max(max_record_words_, static_cast<std::uint32_t>(words));
}

void MetafileRecorder::record(WORD function, std::initializer_list<std::uint16_t> words) {
    std::vector<std::uint8_t> params;
    for (std::uint16_t w : words) put_u16(params, w);
    append_record(function, params.data(), params.size());
}

void MetafileRecorder::record_bytes(WORD function, const std::vector<std::uint8_t>& params) {
    append_record(function, params.data(), params.size());
}

void MetafileRecorder::record_creation(const GdiObject& object) {
    switch (object.kind) {
    case ObjectKind::Pen: record_bytes(record::kCreatePenIndirect, pen_params(object.pen)); break;
    case ObjectKind::Brush: record_bytes(record::kCreateBrushIndirect, brush_params(object.brush)); break;
    case ObjectKind::Font: record_bytes(record::kCreateFontIndirect, font_params(object.font)); break;
    case ObjectKind::Palette: record_bytes(record::kCreatePalette, palette_params(object.palette)); break;
    case ObjectKind::Bitmap: break;  // never selected into a recording
    }
}

int MetafileRecorder::slot_for(const GdiObject& object) {
    auto found = std::find(table_.begin(), table_.end(), &object);
    if (found != table_.end()) return static_cast<int>(found - table_.begin());
    record_creation(object);
    auto free_slot = std::find(table_.begin(), table_.end(), nullptr);
    if (free_slot == table_.end()) {
        table_.push_back(&object);
        table_size_ = std::max(table_size_, table_.size());
        return static_cast<int>(table_.size() - 1);
    }
    *free_slot = &object;
    return static_cast<int>(free_slot - table_.begin());
}

void MetafileRecorder::forget(const GdiObject& object) {
    auto found = std::find(table_.begin(), table_.end(), &object);
    if (found == table_.end()) return;
    record(record::kDeleteObject, {static_cast<std::uint16_t>(found - table_.begin())});
    *found = nullptr;
}

std::vector<std::uint8_t> MetafileRecorder::finish() {
    record(record::kEof, {});
    std::vector<std::uint8_t> bits;
    bits.reserve(18 + records_.size());
    put_u16(bits, 1);       // memory metafile
    put_u16(bits, 9);       // header words
    put_u16(bits, 0x0300);  // version
    put_u32(bits, static_cast<std::uint32_t>((18 + records_.size()) / 2));
    put_u16(bits, static_cast<std::uint16_t>(std::min<std::size_t>(table_size_, 0xFFFF)));
    put_u32(bits, max_record_words_);
    put_u16(bits, 0);
    bits.insert(bits.end(), records_.begin(), records_.end());
    return bits;
}

}  // namespace platform::gdi
