// The Qt front-end's controls, file dialog and message boxes, as frmMain's handlers and the conversion use them.
#include "FormToolkit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QThread>

#include <memory>

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

// Qt's filter form from "Name (*.ext)|*.ext|..." pairs: the names alone, which carry their
// patterns, separated by ";;"
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(QStringLiteral(";;"));
}

}  // namespace

std::string FormToolkit::txtGPX() {
    return frozen_ ? frozen_->txtGPX : controls_.txtGPX->text().toStdString();
}

void FormToolkit::setTxtGPX(const std::string& text) {
    controls_.txtGPX->setText(QString::fromStdString(text));
}

std::string FormToolkit::txtMM() {
    return frozen_ ? frozen_->txtMM : controls_.txtMM->text().toStdString();
}

void FormToolkit::setTxtMM(const std::string& text) {
    controls_.txtMM->setText(QString::fromStdString(text));
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

void FormToolkit::setTxtCacher(const std::string& text) {
    controls_.txtCacher->setText(QString::fromStdString(text));
}

int FormToolkit::chkHint() {
    return frozen_ ? frozen_->chkHint : controls_.chkHint->isChecked() ? 1 : 0;
}

void FormToolkit::setChkHint(int value) {
    controls_.chkHint->setChecked(value == 1);
}

bool FormToolkit::optURL0() {
    return frozen_ ? frozen_->optURL0 : controls_.optURL[0]->isChecked();
}

void FormToolkit::setOptURL(int index) {
    controls_.optURL[index]->setChecked(true);
}

bool FormToolkit::mnuIconsByType() {
    return frozen_ ? frozen_->mnuIconsByType : controls_.mnuIconsByType->isChecked();
}

void FormToolkit::setMnuIconsByType(bool checked) {
    controls_.mnuIconsByType->setChecked(checked);
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

std::optional<std::string> FormToolkit::ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                                   const std::string& fileName) {
    const std::optional<QString> chosen = dialog_.ChooseFile(QtFilter(filter), QString::fromStdString(initialDirectory),
                                                             QString::fromStdString(fileName));
    if (!chosen) return std::nullopt;
    return QDir::toNativeSeparators(*chosen).toStdString();
}

void FormToolkit::RunConversion(const std::function<void()>& conversion) {
    // Its questions and messages still come one at a time, in its order, on the window's thread;
    // input to the window waits until the run has ended, as when the run held that thread.
    QEventLoop running;
    std::unique_ptr<QThread> run(QThread::create(conversion));
    QObject::connect(run.get(), &QThread::finished, &running, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    frozen_ = FormValues::Read(*this);
    run->start();
    running.exec(QEventLoop::ExcludeUserInputEvents);
    run->wait();
    frozen_.reset();
    QApplication::restoreOverrideCursor();
}

}  // namespace corvane
