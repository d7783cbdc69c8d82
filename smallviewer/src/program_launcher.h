#pragma once
// How the window starts programs; tests put a recorder in its place.
#include <memory>

#include "platform/ui/association.h"

namespace brisk {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts the program and returns when it has ended, letting the window
    // process events meanwhile; false when it could not be started.
    virtual bool run_and_wait(const platform::ui::Command& command) = 0;
    // Starts the program and leaves it running; false when it could not start.
    virtual bool start(const platform::ui::Command& command) = 0;
};

std::unique_ptr<ProgramLauncher> system_launcher();

}  // namespace brisk
