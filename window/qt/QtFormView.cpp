// The controls read and set through Qt, the conversion on a QThread, calls onto the window's thread.
#include "QtFormView.h"

#include "QtMessageBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QThread>

#include <exception>
#include <memory>

namespace corvane {

namespace {

// Qt's filter form from "Name (*.ext)|*.ext|..." pairs: the names alone, which carry their
// patterns, separated by ";;"
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(QStringLiteral(";;"));
}

// The form's child of type T named name
template <typename T>
T* Named(QWidget* form, std::string_view name) {
    return form->findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

std::string QtFormView::txtGPX() {
    return controls_.txtGPX->text().toStdString();
}

void QtFormView::setTxtGPX(const std::string& text) {
    controls_.txtGPX->setText(QString::fromStdString(text));
}

std::string QtFormView::txtMM() {
    return controls_.txtMM->text().toStdString();
}

void QtFormView::setTxtMM(const std::string& text) {
    controls_.txtMM->setText(QString::fromStdString(text));
}

std::string QtFormView::txtIcon() {
    return controls_.txtIcon->text().toStdString();
}

void QtFormView::setTxtIcon(const std::string& text) {
    controls_.txtIcon->setText(QString::fromStdString(text));
}

std::string QtFormView::txtCacher() {
    return controls_.txtCacher->text().toStdString();
}

void QtFormView::setTxtCacher(const std::string& text) {
    controls_.txtCacher->setText(QString::fromStdString(text));
}

bool QtFormView::Choice(const OptionRow& option) {
    if (option.control == OptionControl::MenuEntry)
        return menuChecks_[RowIndex(option)];
    return Named<QAbstractButton>(controls_.form, option.controlName)->isChecked();
}

void QtFormView::SetChoice(const OptionRow& option, bool yes) {
    if (option.control == OptionControl::MenuEntry) {
        menuChecks_[RowIndex(option)] = yes;
        Named<QAction>(controls_.form, option.controlName)->setChecked(yes);
    } else if (option.control == OptionControl::CheckBox) {
        Named<QAbstractButton>(controls_.form, option.controlName)->setChecked(yes);
    } else {
        // Selecting one button of the pair clears the other.
        Named<QAbstractButton>(controls_.form, yes ? option.controlName : option.otherControl)->setChecked(true);
    }
}

BoxAnswer QtFormView::MsgBox(const std::string& prompt, BoxKind kind, const std::string& title,
                             const std::string& detail) {
    if (boxes_ != nullptr) return boxes_->MsgBox(prompt, kind, title, detail);
    return ShowMessageBox(QString::fromStdString(prompt), kind, QString::fromStdString(title), controls_.form,
                          QString::fromStdString(detail));
}

std::optional<std::string> QtFormView::ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                                  const std::string& fileName, const std::string& defaultExtension) {
    const std::optional<QString> chosen =
        dialog_.ChooseFile(QtFilter(filter), QString::fromStdString(initialDirectory), QString::fromStdString(fileName),
                           QString::fromStdString(defaultExtension));
    if (!chosen) return std::nullopt;
    return QDir::toNativeSeparators(*chosen).toStdString();
}

void QtFormView::RunOnWorker(const std::function<void()>& work) {
    // What escapes a QThread's function ends the program, so the worker keeps it for this thread.
    std::exception_ptr failure;
    QEventLoop running;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(worker.get(), &QThread::finished, &running, &QEventLoop::quit);
    worker->start();
    running.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    if (failure) std::rethrow_exception(failure);
}

void QtFormView::OnWindowThread(const std::function<void()>& work) {
    if (QThread::currentThread() == controls_.form->thread())
        work();
    else
        QMetaObject::invokeMethod(controls_.form, work, Qt::BlockingQueuedConnection);
}

void QtFormView::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtFormView::Close() {
    controls_.form->close();
}

}  // namespace corvane
