// A style value's buttons and icon as a QMessageBox, and its answer as a code.
#include "MessageBoxes.h"

#include "Messages.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QSpacerItem>

namespace corvane {

namespace {

// The low bits of a style value choose the buttons, the next ones the icon.
constexpr int kButtonsMask = 0x07;
constexpr int kYesNo = 4;
constexpr int kIconMask = 0x70;
// What a title bar takes besides its title: the window icon and the close button, with margins.
constexpr int kTitleBarExtra = 120;

QMessageBox::Icon IconOf(int style) {
    switch (style & kIconMask) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& prompt, int style, const QString& title, QWidget* parent,
                                            const QString& detail) {
    const QMessageBox::StandardButtons buttons =
        (style & kButtonsMask) == kYesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    auto box = std::make_unique<QMessageBox>(IconOf(style), title, prompt, buttons, parent);
    box->setWindowModality(Qt::ApplicationModal);
    // In plain sight rather than behind a "Show Details" button: the reason is what the user needs.
    box->setInformativeText(detail);
    // Qt sizes the box to its text alone, so a short prompt ("Complete!") left the title bar too
    // narrow for its title. QMessageBox resets a minimum width on showing; a spacer in its
    // layout holds it open.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarExtra;
    if (auto* layout = qobject_cast<QGridLayout*>(box->layout()))
        layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), layout->rowCount(), 0,
                        1, layout->columnCount());
    return box;
}

int AnswerCode(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return kAnswerYes;
    case QMessageBox::No:
        return kAnswerNo;
    default:
        return kAnswerOK;
    }
}

int QtMessageBoxes::MsgBox(const QString& prompt, int style, const QString& title, const QString& detail) {
    const auto box = MakeMessageBox(prompt, style, title, parent_, detail);
    return AnswerCode(static_cast<QMessageBox::StandardButton>(box->exec()));
}

}  // namespace corvane
