// brisk32: the small archive viewer. The whole command line names the
// archive to open.
#include <QApplication>
#include <QFile>
#include <string>

#include "platform/ui/message_box_qt.h"
#include "src/viewer_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::ui::install_qt_message_box();
    std::string archive;
    for (const QString& arg : QApplication::arguments().mid(1)) {
        if (!archive.empty()) archive += ' ';
        archive += QFile::encodeName(arg).toStdString();
    }
    brisk::ViewerServices services{brisk::system_launcher(),
                                   QFile::encodeName(QApplication::applicationFilePath()).toStdString(),
                                   brisk::ask_archive_name};
    brisk::ViewerWindow window(std::move(services), archive);
    window.show();
    return app.exec();
}
