#include "program_launcher.h"

#include "platform/ui/launch.h"

namespace brisk {
namespace {

class SystemLauncher : public ProgramLauncher {
public:
    bool run_and_wait(const platform::ui::Command& command) override {
        return platform::ui::run_program_and_wait(command);
    }
    bool start(const platform::ui::Command& command) override {
        return platform::ui::start_detached(command);
    }
};

}  // namespace

std::unique_ptr<ProgramLauncher> system_launcher() { return std::make_unique<SystemLauncher>(); }

}  // namespace brisk
