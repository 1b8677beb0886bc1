// The controls read and set through Qt, the conversion on a QThread, calls onto the window's thread.
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
    return controls_.txtGPX->text().toStdString();
}

void FormToolkit::setTxtGPX(const std::string& text) {
    controls_.txtGPX->setText(QString::fromStdString(text));
}

std::string FormToolkit::txtMM() {
    return controls_.txtMM->text().toStdString();
}

void FormToolkit::setTxtMM(const std::string& text) {
    controls_.txtMM->setText(QString::fromStdString(text));
}

std::string FormToolkit::txtIcon() {
    return controls_.txtIcon->text().toStdString();
}

void FormToolkit::setTxtIcon(const std::string& text) {
    controls_.txtIcon->setText(QString::fromStdString(text));
}

std::string FormToolkit::txtCacher() {
    return controls_.txtCacher->text().toStdString();
}

void FormToolkit::setTxtCacher(const std::string& text) {
    controls_.txtCacher->setText(QString::fromStdString(text));
}

bool FormToolkit::chkHint() {
    return controls_.chkHint->isChecked();
}

void FormToolkit::setChkHint(bool ticked) {
    controls_.chkHint->setChecked(ticked);
}

bool FormToolkit::optURL0() {
    return controls_.optURL[0]->isChecked();
}

void FormToolkit::setOptURL(int index) {
    controls_.optURL[index]->setChecked(true);
}

bool FormToolkit::mnuIconsByType() {
    return controls_.mnuIconsByType->isChecked();
}

void FormToolkit::setMnuIconsByType(bool checked) {
    controls_.mnuIconsByType->setChecked(checked);
}

int FormToolkit::MsgBox(const std::string& prompt, int style, const std::string& title, const std::string& detail) {
    return boxes_.MsgBox(QString::fromStdString(prompt), style, QString::fromStdString(title),
                         QString::fromStdString(detail));
}

std::optional<std::string> FormToolkit::ChooseFile(const std::string& filter, const std::string& initialDirectory,
                                                   const std::string& fileName, const std::string& defaultExtension) {
    const std::optional<QString> chosen =
        dialog_.ChooseFile(QtFilter(filter), QString::fromStdString(initialDirectory), QString::fromStdString(fileName),
                           QString::fromStdString(defaultExtension));
    if (!chosen) return std::nullopt;
    return QDir::toNativeSeparators(*chosen).toStdString();
}

void FormToolkit::RunOnWorker(const std::function<void()>& work) {
    QEventLoop running;
    std::unique_ptr<QThread> worker(QThread::create(work));
    QObject::connect(worker.get(), &QThread::finished, &running, &QEventLoop::quit);
    worker->start();
    running.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
}

void FormToolkit::OnWindowThread(const std::function<void()>& work) {
    if (QThread::currentThread() == controls_.form->thread())
        work();
    else
        QMetaObject::invokeMethod(controls_.form, work, Qt::BlockingQueuedConnection);
}

void FormToolkit::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void FormToolkit::Close() {
    controls_.form->close();
}

}  // namespace corvane
