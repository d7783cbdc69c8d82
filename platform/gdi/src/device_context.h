#pragma once
// The object behind an HDC: its state and either a selected bitmap (memory
// context) or a recorder (metafile context).
#include <QPainter>
#include <memory>

#include "dc_state.h"
#include "metafile_recorder.h"

namespace platform::gdi {

struct DeviceContext {
    DcState state;
    GdiObject* bitmap = nullptr;                   // memory context
    std::unique_ptr<MetafileRecorder> recorder;   // metafile context
    std::unique_ptr<QPainter> painter;            // open while drawing

    bool recording() const { return recorder != nullptr; }
    // A painter on the selected bitmap, opened on first use; null when the
    // context has nothing to draw on.
    QPainter* open_painter();
    // Ends drawing, so that the bitmap's pixels are complete.
    void close_painter();
};

DeviceContext* dc_of(HDC handle);
HDC handle_of(DeviceContext* dc);
DeviceContext* create_dc(bool recording);
void destroy_dc(DeviceContext* dc);


// Draws a decoded DIB (StretchDIBits and its metafile record).
int play_stretch_image(DeviceContext& dc, const QImage& image, int xDest, int yDest, int destWidth,
                       int destHeight, int xSrc, int ySrc, int srcWidth, int srcHeight);

// Called by DeleteObject: contexts that select `object` fall back to the
// stock default, recorders that hold it write its deletion.
void forget_object_everywhere(GdiObject* object);

}  // namespace platform::gdi
