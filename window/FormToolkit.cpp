// The window toolkit the conversion reads, over frmMain's real controls.
#include "FormToolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QThread>

#include <type_traits>

namespace corvane {
namespace {

// Run read on the thread that owns context and wait for its result; controls and message
// boxes belong to that thread, while a conversion runs on a thread of its own.
template <typename Read>
auto OnWindowThread(QObject* context, Read read) {
    if (QThread::currentThread() == context->thread()) return read();
    if constexpr (std::is_void_v<decltype(read())>) {
        QMetaObject::invokeMethod(context, read, Qt::BlockingQueuedConnection);
    } else {
        decltype(read()) result{};
        QMetaObject::invokeMethod(
            context, [&] { result = read(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace

std::string FormToolkit::txtGPX() {
    return OnWindowThread(controls_.txtGPX, [this] { return controls_.txtGPX->text().toStdString(); });
}

std::string FormToolkit::txtMM() {
    return OnWindowThread(controls_.txtMM, [this] { return controls_.txtMM->text().toStdString(); });
}

std::string FormToolkit::txtIcon() {
    return OnWindowThread(controls_.txtIcon, [this] { return controls_.txtIcon->text().toStdString(); });
}

void FormToolkit::setTxtIcon(const std::string& text) {
    OnWindowThread(controls_.txtIcon, [&] { controls_.txtIcon->setText(QString::fromStdString(text)); });
}

std::string FormToolkit::txtCacher() {
    return OnWindowThread(controls_.txtCacher, [this] { return controls_.txtCacher->text().toStdString(); });
}

int FormToolkit::chkHint() {
    return OnWindowThread(controls_.chkHint, [this] { return controls_.chkHint->isChecked() ? 1 : 0; });
}

bool FormToolkit::optURL0() {
    return OnWindowThread(controls_.optURL0, [this] { return controls_.optURL0->isChecked(); });
}

int FormToolkit::MsgBox(const std::string& prompt, int style, const std::string& title) {
    return MsgBoxDetail(prompt, style, title, std::string());
}

int FormToolkit::MsgBoxDetail(const std::string& prompt, int style, const std::string& title,
                              const std::string& detail) {
    return OnWindowThread(controls_.txtGPX, [&] {
        // The busy cursor is for the work; a box waits for the user, who needs the arrow.
        const QCursor* busy = QApplication::overrideCursor();
        const QCursor cursor = busy != nullptr ? *busy : QCursor();
        if (busy != nullptr) QApplication::restoreOverrideCursor();
        const int answer = boxes_.MsgBoxDetail(QString::fromStdString(prompt), style, QString::fromStdString(title),
                                               QString::fromStdString(detail));
        if (busy != nullptr) QApplication::setOverrideCursor(cursor);
        return answer;
    });
}

}  // namespace corvane
