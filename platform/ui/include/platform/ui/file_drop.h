#pragma once
// Files dropped from the desktop (text/uri-list with file: URLs) and the
// point they were dropped at.
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/api.h"

class QMimeData;
class QWidget;

namespace platform::ui {

struct FileDrop {
    std::vector<std::string> paths;  // full local paths, in drop order
    QPoint point;                    // in the target widget's coordinates
};

// The local files among the URLs of a drag's data; other URLs are skipped.
PLATFORM_UI_API std::vector<std::string> dropped_files(const QMimeData* data);

using FileDropHandler = std::function<void(const FileDrop&)>;

// Makes `target` accept drags that carry local files and calls `on_drop`
// for each drop of at least one. The handler lives as long as the widget.
PLATFORM_UI_API void accept_file_drops(QWidget* target, FileDropHandler on_drop);

}  // namespace platform::ui
