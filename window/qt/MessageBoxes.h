// Modal message boxes chosen by style value, behind a seam so tests can answer them.
#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>

namespace corvane {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Show a modal box with the buttons and icon of the style value and the detail ("" for none)
    // under the prompt; returns only when the user has answered, with kAnswerOK, kAnswerYes or kAnswerNo
    virtual int MsgBox(const QString& prompt, int style, const QString& title, const QString& detail) = 0;
};

// Qt's message box, over the window that asks.
class QtMessageBoxes : public MessageBoxes {
public:
    // Boxes that stay over parent while they are shown
    explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}

    int MsgBox(const QString& prompt, int style, const QString& title, const QString& detail) override;

private:
    QWidget* parent_;
};

// The box for a style value (Yes and No for 36, else OK; the icon of 16, 32, 48 or 64), with
// detail, if any, in smaller print under the prompt; not shown yet
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& prompt, int style, const QString& title, QWidget* parent,
                                            const QString& detail = {});

// The answer code of the button that closed a box: kAnswerYes, kAnswerNo or kAnswerOK
int AnswerCode(QMessageBox::StandardButton button);

}  // namespace corvane
