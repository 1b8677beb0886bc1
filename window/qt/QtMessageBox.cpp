// A box kind's buttons and icon as a QMessageBox, and the button that closed it as an answer.
#include "QtMessageBox.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QSpacerItem>

namespace corvane {

namespace {

// What a title bar takes besides its title: the window icon and the close button, with margins.
constexpr int kTitleBarExtra = 120;

QMessageBox::Icon IconOf(BoxKind kind) {
    switch (kind) {
    case BoxKind::Warning:
        return QMessageBox::Warning;
    case BoxKind::Question:
        return QMessageBox::Question;
    case BoxKind::Information:
        break;
    }
    return QMessageBox::Information;
}

// The answer of the button that closed a box
BoxAnswer AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    default:
        return BoxAnswer::OK;
    }
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& prompt, BoxKind kind, const QString& title, QWidget* parent,
                                            const QString& detail) {
    const QMessageBox::StandardButtons buttons =
        kind == BoxKind::Question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    auto box = std::make_unique<QMessageBox>(IconOf(kind), title, prompt, buttons, parent);
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

BoxAnswer ShowMessageBox(const QString& prompt, BoxKind kind, const QString& title, QWidget* parent,
                         const QString& detail) {
    const auto box = MakeMessageBox(prompt, kind, title, parent, detail);
    return AnswerOf(static_cast<QMessageBox::StandardButton>(box->exec()));
}

}  // namespace corvane
