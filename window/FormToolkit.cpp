// The window toolkit the conversion reads, over frmMain's real controls.
#include "FormToolkit.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace corvane {

std::string FormToolkit::txtGPX() {
    return controls_.txtGPX->text().toStdString();
}

std::string FormToolkit::txtMM() {
    return controls_.txtMM->text().toStdString();
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

int FormToolkit::chkHint() {
    return controls_.chkHint->isChecked() ? 1 : 0;
}

bool FormToolkit::optURL0() {
    return controls_.optURL0->isChecked();
}

bool FormToolkit::mnuIconsByType() {
    return controls_.mnuIconsByType->isChecked();
}

int FormToolkit::MsgBox(const std::string& prompt, int style, const std::string& title) {
    return boxes_.MsgBox(QString::fromStdString(prompt), style, QString::fromStdString(title));
}

}  // namespace corvane
