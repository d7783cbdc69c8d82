#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "platform/ui/file_drop.h"

using namespace platform::ui;

namespace {

QMimeData* uri_list(const QList<QUrl>& urls) {
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

}  // namespace

TEST(FileDrop, OnlyLocalFilesCount) {
    std::unique_ptr<QMimeData> data(uri_list({QUrl::fromLocalFile("/tmp/a b.txt"),
                                              QUrl("https://example.org/x"),
                                              QUrl::fromLocalFile("/tmp/c")}));
    EXPECT_EQ(dropped_files(data.get()), (std::vector<std::string>{"/tmp/a b.txt", "/tmp/c"}));
    QMimeData text;
    text.setText("/tmp/a");
    EXPECT_TRUE(dropped_files(&text).empty());
    EXPECT_TRUE(dropped_files(nullptr).empty());
}

TEST(FileDrop, DropsReachTheHandlerWithTheirPoint) {
    QWidget target;
    target.resize(200, 100);
    std::vector<FileDrop> drops;
    accept_file_drops(&target, [&](const FileDrop& drop) { drops.push_back(drop); });
    EXPECT_TRUE(target.acceptDrops());

    std::unique_ptr<QMimeData> files(uri_list({QUrl::fromLocalFile("/x/1"), QUrl::fromLocalFile("/x/2")}));
    QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(12, 34), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].paths, (std::vector<std::string>{"/x/1", "/x/2"}));
    EXPECT_EQ(drops[0].point, QPoint(12, 34));

    std::unique_ptr<QMimeData> web(uri_list({QUrl("https://example.org/x")}));
    QDragEnterEvent refused(QPoint(5, 6), Qt::CopyAction, web.get(), Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&target, &refused);
    EXPECT_FALSE(refused.isAccepted());
    QDropEvent no_files(QPointF(1, 1), Qt::CopyAction, web.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &no_files);
    EXPECT_EQ(drops.size(), 1u);
}
