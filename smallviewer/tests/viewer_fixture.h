#pragma once
// Surroundings of a viewer test: a scratch folder as the temporary
// directory, the fake LZH module as the only support module, a message box
// recorder with scripted answers, a beep counter, a recording launcher and
// the process's fake XDG tree emptied.
#include <gtest/gtest.h>

#include <QApplication>
#include <deque>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fake_xdg.h"
#include "platform/msgbox.h"
#include "platform/path.h"
#include "platform/tempfile.h"
#include "platform/ui/file_drop.h"
#include "test_dir.h"
#include "viewer_window.h"

extern FakeXdg* fake_xdg_tree;

// Records the commands the window starts; `during_run` runs while the
// "program" runs (the window is busy then).
class RecordingLauncher : public brisk::ProgramLauncher {
public:
    bool run_and_wait(const platform::ui::Command& command) override {
        runs.push_back(command);
        if (during_run) during_run();
        return can_start;
    }
    bool start(const platform::ui::Command& command) override {
        started.push_back(command);
        return can_start;
    }
    std::vector<platform::ui::Command> runs, started;
    std::function<void()> during_run;
    bool can_start = true;
};

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        xdg.reset();
        std::filesystem::create_directories(dir.path() + "tmp dir");
        old_box_ = platform::set_message_box_backend([this](const platform::MessageBoxCall& call) {
            boxes.push_back(call);
            if (answers.empty()) return platform::default_answer(call.style);
            int answer = answers.front();
            answers.pop_front();
            return answer;
        });
        old_beep_ = platform::set_beep_backend([this](UINT) { ++beeps; });
    }
    void TearDown() override {
        platform::set_message_box_backend(old_box_);
        platform::set_beep_backend(old_beep_);
    }

    // An archive of the fake module: a .LZH file holding the listing rows.
    std::string archive(const std::string& name, const std::vector<std::string>& members) {
        std::string text;
        for (const std::string& m : members) text += m + "\t1234\t567\t54%\t24.12.93\t08:15\t\t\n";
        return dir.file(name, text);
    }

    // A window on `archive_path`, with this test's launcher.
    std::unique_ptr<brisk::ViewerWindow> window_on(const std::string& archive_path) {
        auto recording = std::make_unique<RecordingLauncher>();
        launcher = recording.get();
        brisk::ViewerServices services{std::move(recording), BRISK32_PROGRAM,
                                       [this](QWidget*) { return chosen_name; }};
        auto window = std::make_unique<brisk::ViewerWindow>(std::move(services), archive_path);
        window->show();
        QApplication::processEvents();
        return window;
    }

    void select_row(brisk::ViewerWindow& w, int row) { w.pane()->list()->setCurrentRow(row); }

    std::vector<std::string> module_calls() const {
        std::ifstream in(dir.path() + "module.log");
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    std::string file_text(const std::string& path) const {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string temp_dir() const {
        std::string t = platform::temp_directory();
        return t.substr(0, t.size() - 1);
    }

    FakeXdg& xdg = *fake_xdg_tree;
    TestDir dir;
    ScopedEnv tmp_{"TMPDIR", dir.path() + "tmp dir"};
    ScopedEnv modules_{"CORAX_MODULE_PATH", FAKE_MODULE_DIR};
    ScopedEnv log_{"BRISK_FAKE_LOG", dir.path() + "module.log"};
    std::vector<platform::MessageBoxCall> boxes;
    std::deque<int> answers;
    int beeps = 0;
    RecordingLauncher* launcher = nullptr;
    std::optional<std::string> chosen_name;

private:
    platform::MessageBoxBackend old_box_;
    platform::BeepBackend old_beep_;
};
