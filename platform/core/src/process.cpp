// Child processes: started with posix_spawn (no shell), waited for through a
// process file descriptor so that a timed wait returns as soon as the child
// ends.
#include "platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

extern char** environ;

namespace platform {
namespace {

int open_pidfd(int pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
    return -1;
#endif
}

struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    ~SpawnSetup() { posix_spawn_file_actions_destroy(&actions); }
};

}  // namespace

std::unique_ptr<Process> Process::start(const std::vector<std::string>& argv,
                                        const std::string& working_dir, int output_fd,
                                        int& error) {
    error = 0;
    if (argv.empty()) {
        error = EINVAL;
        return nullptr;
    }
    SpawnSetup setup;
    posix_spawn_file_actions_init(&setup.actions);
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
    if (output_fd >= 0) {
        posix_spawn_file_actions_adddup2(&setup.actions, output_fd, 1);
        posix_spawn_file_actions_adddup2(&setup.actions, output_fd, 2);
    } else {
        posix_spawn_file_actions_addopen(&setup.actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&setup.actions, 2, "/dev/null", O_WRONLY, 0);
    }
    if (!working_dir.empty()) {
        // Checked here so that a missing directory is reported like a failed start.
        if (access(working_dir.c_str(), X_OK) != 0) {
            error = errno;
            return nullptr;
        }
        posix_spawn_file_actions_addchdir_np(&setup.actions, working_dir.c_str());
    }
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, args[0], &setup.actions, nullptr, args.data(), environ);
    if (rc != 0) {
        error = rc;
        return nullptr;
    }
    return std::unique_ptr<Process>(new Process(pid, open_pidfd(pid)));
}

Process::~Process() {
    if (!exit_code_) {
        // Never leave a zombie: an unwaited child is ended and reaped.
        kill(pid_, SIGKILL);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (pidfd_ >= 0) close(pidfd_);
}

void Process::reap(int status) {
    if (forced_code_) exit_code_ = forced_code_;
    else if (WIFEXITED(status)) exit_code_ = static_cast<unsigned>(WEXITSTATUS(status));
    else if (WIFSIGNALED(status)) exit_code_ = 128u + static_cast<unsigned>(WTERMSIG(status));
    else exit_code_ = 255;
}

bool Process::wait(int timeout_ms) {
    if (exit_code_) return true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        int status = 0;
        pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            reap(status);
            return true;
        }
        if (r < 0 && errno != EINTR) {
            exit_code_ = 255;
            return true;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        if (pidfd_ >= 0) {
            struct pollfd pfd{pidfd_, POLLIN, 0};
            poll(&pfd, 1, static_cast<int>(left.count()));
        } else {
            std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(2)));
        }
    }
}

void Process::terminate(unsigned exit_code) {
    if (exit_code_) return;
    forced_code_ = exit_code;
    kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reap(status);
}

std::optional<unsigned> Process::exit_code() const { return exit_code_; }

int system_error_number(int errno_value) {
    switch (errno_value) {
    case 0: return 0;
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM: return 5;
    case EBADF: return 6;
    case ENOMEM: return 14;
    case ENOEXEC: return 193;  // not a valid program
    default: return 31;        // a device attached to the system is not functioning
    }
}

}  // namespace platform
