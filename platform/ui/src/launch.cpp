#include "platform/ui/launch.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <cerrno>

#include "platform/ui/association.h"

namespace platform::ui {

std::unique_ptr<Process> start_program(const std::vector<std::string>& argv, int& error) {
    if (argv.empty()) {
        error = EINVAL;
        return nullptr;
    }
    std::optional<std::string> program = find_program(argv[0]);
    if (!program) {
        error = ENOENT;
        return nullptr;
    }
    std::vector<std::string> resolved = argv;
    resolved[0] = *program;
    return Process::start(resolved, {}, -1, error);
}

void wait_processing_events(Process& process, int slice_ms) {
    while (!process.wait(slice_ms)) QCoreApplication::processEvents();
}

bool start_detached(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::optional<std::string> program = find_program(argv[0]);
    if (!program) return false;
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i) arguments << QString::fromLocal8Bit(argv[i].c_str());
    return QProcess::startDetached(QString::fromLocal8Bit(program->c_str()), arguments);
}

bool run_program_and_wait(const std::vector<std::string>& argv) {
    int error = 0;
    std::unique_ptr<Process> process = start_program(argv, error);
    if (!process) return false;
    wait_processing_events(*process);
    return true;
}

}  // namespace platform::ui
