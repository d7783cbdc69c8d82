#pragma once
// Child processes started with an argument vector, never through a shell.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/api.h"

namespace platform {

class PLATFORM_API Process {
public:
    // Starts argv[0] (a path) with the arguments, in `working_dir` (empty:
    // the current directory), standard input from /dev/null and standard
    // output and error to `output_fd` (-1: /dev/null). On failure returns
    // nullptr and sets `error` to the errno of the failure.
    static std::unique_ptr<Process> start(const std::vector<std::string>& argv,
                                          const std::string& working_dir, int output_fd,
                                          int& error);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Waits at most `timeout_ms` for the process to end; returns as soon as
    // it ends. True when it has ended.
    bool wait(int timeout_ms);
    // Ends the process forcibly; its exit code becomes `exit_code`.
    void terminate(unsigned exit_code);
    // The exit code once the process has ended (128 + n for a signal n).
    std::optional<unsigned> exit_code() const;
    int pid() const { return pid_; }

private:
    explicit Process(int pid, int pidfd) : pid_(pid), pidfd_(pidfd) {}
    void reap(int status);

    int pid_;
    int pidfd_;
    std::optional<unsigned> exit_code_;
    std::optional<unsigned> forced_code_;
};

// Win32-style error number for an errno (2 file not found, 5 access denied,
// 8 / 14 out of memory, ...), as messages about failed starts show it.
PLATFORM_API int system_error_number(int errno_value);

}  // namespace platform
