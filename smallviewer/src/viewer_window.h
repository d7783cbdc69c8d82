#pragma once
// The small viewer's one window: the listing of one archive and the
// commands on it.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "listing_pane.h"
#include "platform/types.h"
#include "print_listing.h"
#include "program_launcher.h"

class QAction;
class QPrinter;

namespace platform::ui {
struct FileDrop;
}

namespace brisk {

struct ViewerServices {
    std::unique_ptr<ProgramLauncher> launcher;
    std::string own_program;  // this program's path, for archives inside archives
    // Asks for the archive to open or create; nullopt when cancelled.
    std::function<std::optional<std::string>(QWidget* owner)> choose_archive;
};

// The save-file dialog with the archive filter.
std::optional<std::string> ask_archive_name(QWidget* owner);

class ViewerWindow : public QMainWindow {
public:
    // Opens `archive` when it is not empty.
    ViewerWindow(ViewerServices services, const std::string& archive);

    // Runs a menu command; ignored while busy.
    void run_command(int command);
    void open_archive(const std::string& name);
    void print_to(QPrinter& printer, PageRange range);
    void drop_files(const platform::ui::FileDrop& drop);

    bool busy() const { return busy_; }
    const std::string& archive() const { return archive_; }
    ListingPane* pane() const { return pane_; }
    QAction* action(int command) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build_menu();
    void open_or_create();
    void print_listing_dialog();
    void view_file();
    void delete_file();
    void launch_file_manager();
    void launch_file(const std::string& path);
    void show_start_failure();
    void fit_to_listing();
    HWND handle();

    // Sets the busy flag for its lifetime.
    class BusyScope {
    public:
        explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
        ~BusyScope() { flag_ = false; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        bool& flag_;
    };

    ViewerServices services_;
    ListingPane* pane_;
    std::map<int, QAction*> actions_;
    std::string archive_;
    bool busy_ = false;
    bool shown_once_ = false;
};

}  // namespace brisk
