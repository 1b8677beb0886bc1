// A box of the window's kinds as a QMessageBox, and the button that closed it as an answer.
#pragma once

#include "MessageBoxView.h"

#include <QMessageBox>
#include <QString>

#include <memory>

namespace corvane {

// The box of the kind (Yes and No for a question, else OK; its icon), with detail, if any, in
// smaller print under the prompt, over parent; not shown yet
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& prompt, BoxKind kind, const QString& title, QWidget* parent,
                                            const QString& detail = {});

// Show the box, modal, and return when the user has answered
BoxAnswer ShowMessageBox(const QString& prompt, BoxKind kind, const QString& title, QWidget* parent,
                         const QString& detail);

}  // namespace corvane
