#pragma once
// Collects the message boxes shown while it lives instead of showing them.
#include <vector>

#include "platform/msgbox.h"

class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        previous_ = platform::set_message_box_backend([this](const platform::MessageBoxCall& c) {
            calls.push_back(c);
            return IDOK;
        });
    }
    ~MessageBoxRecorder() { platform::set_message_box_backend(previous_); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
    std::vector<platform::MessageBoxCall> calls;

private:
    platform::MessageBoxBackend previous_;
};
