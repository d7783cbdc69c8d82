#pragma once
// Shows the system wait cursor for the life of the object and restores the
// previous one afterwards. Without a GUI application it does nothing.
namespace mirv {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown_;
};

}  // namespace mirv
