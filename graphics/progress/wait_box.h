#pragma once
// The wait box "WAITBOX": a modeless dialog with a text, a progress control
// and a cancel button, driven by the dialog procedure A0.
#include <QDialog>
#include <QTimer>

namespace mirv {

class ProgressControl;

class WaitBox : public QDialog {
public:
    static constexpr const char* kResourceName = "WAITBOX";
    explicit WaitBox(QWidget* owner);
    ~WaitBox() override;

    ProgressControl* progress() const { return progress_; }
    QTimer& timer() { return timer_; }

protected:
    void reject() override;  // Escape and the close button

private:
    ProgressControl* progress_;
    QTimer timer_;
};

}  // namespace mirv
