#pragma once
// Test surroundings for the archive access library: a scratch folder as the
// temporary directory, a folder of fake packers as the whole PATH, the fake
// support modules present or absent, and a recorder for message boxes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "corax32.h"
#include "platform/msgbox.h"
#include "test_dir.h"

class CoraxTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_backend_ = platform::set_message_box_backend([this](const platform::MessageBoxCall& call) {
            boxes.push_back(call);
            return IDOK;
        });
        mkdir((dir.path() + "bin").c_str(), 0700);
        mkdir((dir.path() + "tmp").c_str(), 0700);
        mkdir((dir.path() + "nomodules").c_str(), 0700);
    }
    void TearDown() override { platform::set_message_box_backend(old_backend_); }

    std::string bin() const { return dir.path() + "bin/"; }
    std::string log_path() const { return dir.path() + "packer.log"; }
    std::string module_log_path() const { return dir.path() + "module.log"; }

    // A fake packer on PATH: logs "cwd|arg1|arg2|..." per run, prints
    // `output`, optionally sleeps, and exits with `exit_code`.
    void fake_packer(const std::string& name, const std::string& output, int exit_code = 0,
                     const char* sleep_seconds = nullptr) {
        std::string script = bin() + name;
        std::ofstream out(script);
        out << "#!/bin/sh\nPATH=/usr/bin:/bin\n"
            << "{ printf '%s' \"$PWD\"; for a in \"$@\"; do printf '|%s' \"$a\"; done; echo; } >> '"
            << log_path() << "'\n"
            << "cat <<'__END__'\n" << output << "__END__\n";
        if (sleep_seconds) out << "sleep " << sleep_seconds << "\n";
        out << "exit " << exit_code << "\n";
        out.close();
        chmod(script.c_str(), 0755);
    }

    std::vector<std::string> lines(const std::string& path) const {
        std::ifstream in(path);
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    std::vector<std::string> packer_runs() const { return lines(log_path()); }
    std::vector<std::string> module_calls() const { return lines(module_log_path()); }

    // Number of files left in the private temporary directory.
    int temp_files_left() const {
        std::string t = dir.path() + "tmp/";
        int n = 0;
        for (const auto& sub : std::filesystem::directory_iterator(t))
            if (sub.is_directory())
                for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(sub)) ++n;
        return n;
    }

    ArchiveRequest request_for(const std::string& archive) {
        archive_name_ = archive;
        ArchiveRequest r{};
        r.dwSize = sizeof r;
        r.lpstrArchive = archive_name_.c_str();
        return r;
    }

    TestDir dir;
    ScopedEnv path_{"PATH", dir.path() + "bin"};
    ScopedEnv tmp_{"TMPDIR", dir.path() + "tmp"};
    ScopedEnv modules_{"CORAX_MODULE_PATH", dir.path() + "nomodules"};
    ScopedEnv module_log_{"FAKE_MODULE_LOG", dir.path() + "module.log"};
    std::vector<platform::MessageBoxCall> boxes;
    std::vector<char> listing = std::vector<char>(CX_LISTING_SIZE, '\x7f');

    void use_fake_modules() { setenv("CORAX_MODULE_PATH", FAKE_MODULE_DIR, 1); }

private:
    platform::MessageBoxBackend old_backend_;
    std::string archive_name_;
};
