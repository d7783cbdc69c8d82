#include "platform/ui/file_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "platform/ui/display_text.h"

namespace platform::ui {
namespace {

// Watches drag and drop events of its parent widget.
class FileDropFilter : public QObject {
public:
    FileDropFilter(QWidget* target, FileDropHandler on_drop)
        : QObject(target), on_drop_(std::move(on_drop)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (dropped_files(drag->mimeData()).empty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: return take_drop(static_cast<QDropEvent*>(event));
        default: return QObject::eventFilter(watched, event);
        }
    }

private:
    bool take_drop(QDropEvent* drop) {
        FileDrop files{dropped_files(drop->mimeData()), drop->position().toPoint()};
        if (files.paths.empty()) return false;
        drop->acceptProposedAction();
        on_drop_(files);
        return true;
    }

    FileDropHandler on_drop_;
};

}  // namespace

std::vector<std::string> dropped_files(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(path_bytes(url.toLocalFile()));
    return paths;
}

void accept_file_drops(QWidget* target, FileDropHandler on_drop) {
    target->setAcceptDrops(true);
    target->installEventFilter(new FileDropFilter(target, std::move(on_drop)));
}

}  // namespace platform::ui
