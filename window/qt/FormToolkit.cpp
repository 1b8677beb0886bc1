// The Qt front-end's controls, file dialog and message boxes, as frmMain's handlers and the conversion use them.
#include "FormToolkit.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

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

int FormToolkit::chkHint() {
    return controls_.chkHint->isChecked() ? 1 : 0;
}

void FormToolkit::setChkHint(int value) {
    controls_.chkHint->setChecked(value == 1);
}

bool FormToolkit::optURL0() {
    return controls_.optURL[0]->isChecked();
}

void FormToolkit::setOptURL(int index) {
    controls_.optURL[index]->setChecked(true);
}

int FormToolkit::MsgBox(const std::string& prompt, int style, const std::string& title) {
    return boxes_.MsgBox(QString::fromStdString(prompt), style, QString::fromStdString(title));
}

std::optional<std::string> FormToolkit::ChooseFile(const std::string& filter, const std::string& initialDirectory) {
    const std::optional<QString> chosen =
        dialog_.ChooseFile(QtFilter(filter), QString::fromStdString(initialDirectory));
    if (!chosen) return std::nullopt;
    return QDir::toNativeSeparators(*chosen).toStdString();
}

}  // namespace corvane
