#include "viewer_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "archive_filter.h"
#include "archive_ops.h"
#include "corax32.h"
#include "launch_command.h"
#include "icon_table.h"
#include "listing_rows.h"
#include "menu_table.h"
#include "platform/msgbox.h"
#include "platform/path.h"
#include "platform/tempfile.h"
#include "platform/ui/display_text.h"
#include "platform/ui/file_drop.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/window_handle.h"
#include "texts.h"

namespace brisk {
namespace {

std::string without_trailing_separator(std::string dir) {
    while (dir.size() > 1 && platform::is_separator(dir.back())) dir.pop_back();
    return dir;
}

// Extraction works without paths, so the file lands under its base name.
std::string extracted_path(const std::string& directory, std::string_view member) {
    std::string_view base = member.substr(platform::file_name_offset(member));
    return directory + platform::kSeparator + std::string(base);
}

std::string joined_paths(const std::vector<std::string>& paths) {
    std::string files;
    for (const std::string& p : paths) {
        if (!files.empty()) files += ' ';
        files += p;
    }
    return files;
}

}  // namespace

std::optional<std::string> ask_archive_name(QWidget* owner) {
    const QStringList filters = dialog_filters(string_bytes(kStrFilterTemplate), CxGetExtensionString(0));
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) dialog.selectNameFilter(filters.front());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return platform::ui::path_bytes(dialog.selectedFiles().front());
}

ViewerWindow::ViewerWindow(ViewerServices services, const std::string& archive)
    : services_(std::move(services)), pane_(new ListingPane(this)) {
    setWindowTitle(text(kStrAppTitle));
    setWindowIcon(QIcon(load_icon_strip().copy(kIconArchive * kIconWidth, 0, kIconWidth, kIconHeight)));
    setCentralWidget(pane_);
    build_menu();
    connect(pane_->list(), &QListWidget::doubleClicked, this, [this] { run_command(kCmdView); });
    if (!archive.empty()) open_archive(archive);
    platform::ui::accept_file_drops(this, [this](const platform::ui::FileDrop& drop) { drop_files(drop); });
}

void ViewerWindow::build_menu() {
    for (const MenuPopup& popup : menu_table()) {
        QMenu* menu = menuBar()->addMenu(menu_text(popup.title));
        for (const MenuItem& item : popup.items) {
            QAction* action = menu->addAction(menu_text(static_cast<unsigned>(item.command)));
            action->setObjectName(QStringLiteral("command%1").arg(item.command));
            action->setShortcuts(QList<QKeySequence>(item.keys.begin(), item.keys.end()));
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, [this, id = item.command] { run_command(id); });
            actions_[item.command] = action;
            if (item.separator_after) menu->addSeparator();
        }
    }
}

QAction* ViewerWindow::action(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

HWND ViewerWindow::handle() { return platform::ui::to_hwnd(this); }

void ViewerWindow::run_command(int command) {
    if (busy_) return;
    switch (command) {
    case kCmdOpen: open_or_create(); break;
    case kCmdPrint: print_listing_dialog(); break;
    case kCmdDelete: delete_file(); break;
    case kCmdView: view_file(); break;
    case kCmdExit: QTimer::singleShot(0, this, &QWidget::close); break;
    case kCmdFileManager: launch_file_manager(); break;
    default: break;
    }
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
    if (busy_) {
        platform::message_beep(0);
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void ViewerWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window frame is known only now; fit a listing opened before.
    if (!shown_once_ && !archive_.empty()) fit_to_listing();
    shown_once_ = true;
}

void ViewerWindow::open_archive(const std::string& name) {
    std::optional<std::string> listing = list_archive(handle(), name);
    if (!listing) return;
    const QString shown = platform::ui::display_text(name);
    setWindowTitle(QString::asprintf(string_bytes(kStrTitleTemplate), string_bytes(kStrAppTitle),
                                     shown.toUtf8().constData()));
    archive_ = name;
    pane_->set_rows(split_listing(*listing));
    fit_to_listing();
}

void ViewerWindow::fit_to_listing() {
    QSize client = pane_->size_for_rows();
    const int menu_height = menuBar()->sizeHint().height();
    const QSize decoration = frameGeometry().size() - geometry().size();
    const QRect available = screen()->availableGeometry();
    const QSize room = available.size() - decoration - QSize(0, menu_height);
    if (client.height() > room.height()) {
        // The list scrolls instead; make room for its scroll bar.
        client.setHeight(room.height());
        client.rwidth() += pane_->list()->verticalScrollBar()->sizeHint().width();
    }
    client.setWidth(std::min(client.width(), room.width()));
    resize(client.width(), client.height() + menu_height);
    // Keep the window's place unless that would put part of it off the screen.
    QRect frame = frameGeometry();
    const QPoint shift(std::min(0, available.right() - frame.right()),
                       std::min(0, available.bottom() - frame.bottom()));
    if (!shift.isNull()) move(pos() + shift);
}

void ViewerWindow::open_or_create() {
    if (!services_.choose_archive) return;
    std::optional<std::string> name = services_.choose_archive(this);
    if (name && !name->empty()) {
        if (platform::file_exists(*name)) {
            open_archive(*name);
        } else if (platform::message_box(handle(), string_bytes(kStrCreateQuestion),
                                         string_bytes(kStrWarning), MB_YESNO) == IDYES) {
            archive_ = *name;
            pane_->set_rows({});
        }
    }
    pane_->setFocus();
}

void ViewerWindow::view_file() {
    const std::string row = pane_->selected_row();
    if (row.empty()) return;
    const std::string member(member_name(row));
    platform::ui::WaitCursor wait;
    const std::string directory = without_trailing_separator(platform::temp_directory());
    BusyScope busy(busy_);
    if (extract_member(handle(), archive_, member, directory) == CX_OK)
        launch_file(extracted_path(directory, member));
}

void ViewerWindow::launch_file(const std::string& path) {
    std::optional<platform::ui::Command> command = command_for_file(path, services_.own_program);
    if (!command || !services_.launcher->run_and_wait(*command)) show_start_failure();
}

void ViewerWindow::show_start_failure() {
    platform::message_box(handle(), string_bytes(kStrCreateProcessFailed), string_bytes(kStrError),
                          MB_OK | MB_ICONHAND);
}

void ViewerWindow::delete_file() {
    const std::string row = pane_->selected_row();
    if (row.empty()) return;
    if (platform::message_box(handle(), string_bytes(kStrDeleteQuestion), string_bytes(kStrSecurity),
                              MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
        return;
    platform::ui::WaitCursor wait;
    BusyScope busy(busy_);
    if (delete_member(handle(), archive_, std::string(member_name(row))) == CX_OK)
        pane_->remove_selected_row();
}

void ViewerWindow::drop_files(const platform::ui::FileDrop& drop) {
    if (drop.paths.empty()) return;
    if (busy_) {  // no second archive operation while one is running
        platform::message_beep(0);
        return;
    }
    int result = CX_OK;
    {
        BusyScope busy(busy_);
        result = append_files(handle(), archive_, joined_paths(drop.paths));
    }
    if (result == CX_OK) open_archive(archive_);
}

void ViewerWindow::print_listing_dialog() {
    if (pane_->list()->count() == 0) return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 65534);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) return;
    print_to(printer, {printer.fromPage(), printer.toPage()});
}

void ViewerWindow::print_to(QPrinter& printer, PageRange range) {
    printer.setDocName(platform::ui::display_text(archive_));
    std::vector<QString> rows;
    for (int i = 0; i < pane_->list()->count(); ++i) rows.push_back(pane_->list()->item(i)->text());
    print_listing(printer, QApplication::font(), windowTitle(), rows, range);
}

void ViewerWindow::launch_file_manager() {
    std::optional<platform::ui::Command> command =
        platform::ui::file_manager_command(platform::current_directory());
    if (!command || !services_.launcher->start(*command)) show_start_failure();
}

}  // namespace brisk
