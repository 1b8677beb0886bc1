// The window toolkit the conversion reads, over frmMain's real controls.
#include "FormToolkit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QThread>

namespace corvane {
namespace {

// Run work on the thread that owns context and wait for it; controls and message boxes belong
// to that thread, while a conversion runs on a thread of its own.
template <typename Work>
void OnWindowThread(QObject* context, Work work) {
    if (QThread::currentThread() == context->thread())
        work();
    else
        QMetaObject::invokeMethod(context, work, Qt::BlockingQueuedConnection);
}

}  // namespace

void FormToolkit::Freeze() {
    frozen_ = Values{txtGPX(), txtMM(), txtIcon(), txtCacher(), chkHint(), optURL0(), mnuIconsByType()};
}

void FormToolkit::Thaw() {
    frozen_.reset();
}

std::string FormToolkit::txtGPX() {
    return frozen_ ? frozen_->txtGPX : controls_.txtGPX->text().toStdString();
}

std::string FormToolkit::txtMM() {
    return frozen_ ? frozen_->txtMM : controls_.txtMM->text().toStdString();
}

std::string FormToolkit::txtIcon() {
    return frozen_ ? frozen_->txtIcon : controls_.txtIcon->text().toStdString();
}

void FormToolkit::setTxtIcon(const std::string& text) {
    if (frozen_) frozen_->txtIcon = text;
    OnWindowThread(controls_.txtIcon, [&] { controls_.txtIcon->setText(QString::fromStdString(text)); });
}

std::string FormToolkit::txtCacher() {
    return frozen_ ? frozen_->txtCacher : controls_.txtCacher->text().toStdString();
}

int FormToolkit::chkHint() {
    return frozen_ ? frozen_->chkHint : controls_.chkHint->isChecked() ? 1 : 0;
}

bool FormToolkit::optURL0() {
    return frozen_ ? frozen_->optURL0 : controls_.optURL0->isChecked();
}

bool FormToolkit::mnuIconsByType() {
    return frozen_ ? frozen_->mnuIconsByType : controls_.mnuIconsByType->isChecked();
}

int FormToolkit::MsgBox(const std::string& prompt, int style, const std::string& title) {
    return MsgBoxDetail(prompt, style, title, std::string());
}

int FormToolkit::MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                              const std::string& detail) {
    int answer = kAnswerOK;
    OnWindowThread(controls_.txtGPX, [&] {
        // The busy cursor is for the work; a box waits for the user, who needs the arrow.
        const QCursor* busy = QApplication::overrideCursor();
        const QCursor cursor = busy != nullptr ? *busy : QCursor();
        if (busy != nullptr) QApplication::restoreOverrideCursor();
        answer = boxes_.MsgBoxDetail(QString::fromStdString(prompt), style, QString::fromStdString(title),
                                     QString::fromStdString(detail));
        if (busy != nullptr) QApplication::setOverrideCursor(cursor);
    });
    return answer;
}

}  // namespace corvane
