#pragma once
// A fake XDG tree for one test process: config and data directories, a
// small MIME database of its own and a folder of recording programs, set
// into the XDG_* variables and PATH. The MIME database is read once per
// process, so the tree is made once; reset() empties everything else.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class FakeXdg {
public:
    FakeXdg() {
        std::string templ = (std::filesystem::temp_directory_path() / "tolvane-xdg-XXXXXX").string();
        root_ = mkdtemp(templ.data());
        write("share/mime/packages/fake.xml", kMimeTypes);
        setenv("XDG_CONFIG_HOME", (root_ + "/config").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root_ + "/etc").c_str(), 1);
        setenv("XDG_DATA_HOME", (root_ + "/home").c_str(), 1);
        setenv("XDG_DATA_DIRS", (root_ + "/share").c_str(), 1);
        setenv("PATH", (root_ + "/bin:/usr/bin:/bin").c_str(), 1);
        reset();
    }
    ~FakeXdg() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    FakeXdg(const FakeXdg&) = delete;
    FakeXdg& operator=(const FakeXdg&) = delete;

    const std::string& root() const { return root_; }

    void reset() {
        for (const char* dir : {"config", "etc", "home", "share/applications", "bin", "log"}) {
            std::error_code ec;
            std::filesystem::remove_all(root_ + "/" + dir, ec);
            std::filesystem::create_directories(root_ + "/" + dir);
        }
        for (const char* name : {"XDG_CURRENT_DESKTOP", "VISUAL", "EDITOR"}) unsetenv(name);
    }

    // Writes a file below the root ("config/mimeapps.list", ...).
    void write(const std::string& relative, const std::string& content) const {
        std::filesystem::path p = root_ + "/" + relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
    }

    // An application entry "<dir>/<id>" running `exec`.
    void application(const std::string& dir, const std::string& id, const std::string& exec,
                     const std::string& extra = "") const {
        write(dir + "/" + id, "[Desktop Entry]\nType=Application\nName=" + id + "\nExec=" + exec +
                                  "\n" + extra);
    }

    // A program in bin/ that records its arguments, one run per line as
    // "<count>|<arg1>|<arg2>...", in log/<name>.log.
    std::string program(const std::string& name) const {
        std::string path = root_ + "/bin/" + name;
        write("bin/" + name, "#!/bin/sh\n{ printf '%s' \"$#\"; for a in \"$@\"; do printf '|%s' \"$a\"; done; echo; } >> '" +
                                 log(name) + "'\n");
        chmod(path.c_str(), 0755);
        return path;
    }

    std::vector<std::string> runs(const std::string& name) const {
        std::ifstream in(log(name));
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }

private:
    std::string log(const std::string& name) const { return root_ + "/log/" + name + ".log"; }

    static constexpr const char* kMimeTypes = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="text/plain"><comment>text</comment><glob pattern="*.txt"/></mime-type>
  <mime-type type="text/x-csrc"><comment>C</comment><sub-class-of type="text/plain"/><glob pattern="*.c"/></mime-type>
  <mime-type type="application/x-zoo"><comment>zoo</comment><glob pattern="*.zoo"/></mime-type>
  <mime-type type="application/zip"><comment>zip</comment><glob pattern="*.zip"/></mime-type>
  <mime-type type="application/x-fake-data"><comment>data</comment><glob pattern="*.dat"/></mime-type>
  <mime-type type="inode/directory"><comment>folder</comment></mime-type>
</mime-info>
)";
    std::string root_;
};
