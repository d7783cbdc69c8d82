#pragma once
// Starting programs with an argument vector (each path one argument, no
// shell) and waiting for them while the user interface stays alive.
#include <memory>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/ui/api.h"

namespace platform::ui {

// Starts the program; argv[0] is a path or a name looked up on $PATH.
// nullptr on failure, with `error` set to the errno.
PLATFORM_UI_API std::unique_ptr<Process> start_program(const std::vector<std::string>& argv,
                                                      int& error);

// Waits for the process to end in slices of `slice_ms`, letting the events
// that are pending after each slice be processed.
PLATFORM_UI_API void wait_processing_events(Process& process, int slice_ms = 200);

// Starts the program and leaves it running on its own (it outlives this
// process); false when it could not start.
PLATFORM_UI_API bool start_detached(const std::vector<std::string>& argv);

// start_program, then wait_processing_events; false when it could not start.
PLATFORM_UI_API bool run_program_and_wait(const std::vector<std::string>& argv);

}  // namespace platform::ui
