// A Qt window for tests: its settings in a temporary ini file, its file dialog and message boxes scripted.
#pragma once

#include "QtWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>

namespace corvane::testing {

// Cancels every browse: what a browse does with its answer is the handlers' and tested with them.
struct CancellingFileDialog : FileDialog {
    using Text = const QString&;
    std::optional<QString> ChooseFile(Text, Text, Text, Text) override { return std::nullopt; }
};

// Records every box as "prompt|kind|title|detail" and answers each question with answer, the rest with OK.
struct ScriptedMessageBoxes : MessageBoxView {
    BoxAnswer answer = BoxAnswer::No;
    QStringList shown;
    BoxAnswer MsgBox(const std::string& prompt, BoxKind kind, const std::string& title,
                     const std::string& detail) override {
        const char* kinds[] = {"warning", "question", "information"};
        shown << QString::fromStdString(prompt + "|" + kinds[static_cast<int>(kind)] + "|" + title + "|" + detail);
        return kind == BoxKind::Question ? answer : BoxAnswer::OK;
    }
};

// A window opened over a settings file in its own temporary folder; the "Startup" values
// stored before Open() are the ones it loads.
struct TestWindow {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    CancellingFileDialog* dialog = new CancellingFileDialog;
    ScriptedMessageBoxes* boxes = new ScriptedMessageBoxes;
    std::unique_ptr<QtWindow> window;

    QtWindow& Open() {
        settings.sync();
        window = std::make_unique<QtWindow>(std::unique_ptr<FileDialog>(dialog), std::unique_ptr<MessageBoxView>(boxes),
                                            settings.fileName());
        return *window;
    }
    QLineEdit* Box(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }
    QRadioButton* Option(int index) const { return window->findChild<QRadioButton*>(index ? "optURL1" : "optURL0"); }
    QCheckBox* Hint() const { return window->findChild<QCheckBox*>("chkHint"); }
};

}  // namespace corvane::testing
