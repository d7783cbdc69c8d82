#include "wait_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <cstring>

#include "frame/strings.h"
#include "mirv32.h"
#include "mirv32_messages.h"
#include "platform/gdi/objects.h"
#include "progress_control.h"

namespace mirv {

namespace {

// The dialog font: the system's sans-serif dialog face.
constexpr const char* kDialogFace = "MS Sans Serif";
constexpr int kDialogPixels = 11;

// A dialog hands its font to its controls with WM_SETFONT.
void give_font(ProgressControl* control) {
    LOGFONTA lf{};
    lf.lfHeight = -kDialogPixels;
    std::strcpy(lf.lfFaceName, kDialogFace);
    HFONT font = CreateFontIndirectA(&lf);
    ProBarProc(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    DeleteObject(font);
}

QString text(unsigned id) {
    const char* s = platform::find_string(resources::mirv32_waitbox, id);
    return QString::fromUtf8(s ? s : "");
}

// Dialog units of the dialog's font: x in quarters of the average letter
// width, y in eighths of the letter height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        QFontMetrics m(font);
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        base_x_ = (m.horizontalAdvance(letters) / 26 + 1) / 2;
        base_y_ = m.height();
    }
    QRect rect(int x, int y, int w, int h) const {
        return QRect(x * base_x_ / 4, y * base_y_ / 8, w * base_x_ / 4, h * base_y_ / 8);
    }

private:
    int base_x_;
    int base_y_;
};

}  // namespace

WaitBox::WaitBox(QWidget* owner) : QDialog(owner) {
    setObjectName(kResourceName);
    setModal(false);
    setWindowTitle(text(1));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont dialog_font(QString::fromLatin1(kDialogFace));
    dialog_font.setPixelSize(kDialogPixels);
    setFont(dialog_font);
    DialogUnits du(font());
    setFixedSize(du.rect(0, 0, 162, 103).size());

    auto* label = new QLabel(text(2), this);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(du.rect(12, 6, 139, 27));

    progress_ = new ProgressControl(this);
    progress_->setProperty("controlId", IDC_PROGRESS);
    progress_->setGeometry(du.rect(8, 35, 142, 35));
    give_font(progress_);

    auto* cancel = new QPushButton(text(3), this);
    cancel->setProperty("controlId", IDCANCEL_BUTTON);
    cancel->setGeometry(du.rect(59, 76, 43, 20));
    connect(cancel, &QPushButton::clicked, this, [this] { A0(this, WM_COMMAND, IDCANCEL_BUTTON, 0); });
    connect(&timer_, &QTimer::timeout, this, [this] { A0(this, WM_TIMER, WAIT_TIMER_ID, 0); });
    A0(this, WM_INITDIALOG, 0, 0);
}

WaitBox::~WaitBox() { A0(this, WM_DESTROY, 0, 0); }

void WaitBox::reject() { A0(this, WM_COMMAND, IDCANCEL_BUTTON, 0); }

}  // namespace mirv
