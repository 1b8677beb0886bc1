// A frmMain for tests: its settings in a temporary ini file, its file dialog and message boxes scripted.
#pragma once

#include "FileDialog.h"
#include "MessageBoxes.h"
#include "WindowToolkit.h"
#include "frmMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <stdexcept>

namespace corvane::testing {

// Answers each browse with the next queued name (none left: cancel) and records what it was handed.
struct ScriptedFileDialog : FileDialog {
    std::deque<QString> next;
    QStringList calls;  // "filter|initial folder" of each showing
    bool fail = false;  // throw instead of answering
    std::optional<QString> ChooseFile(const QString& filter, const QString& initialDirectory) override {
        calls << filter + u'|' + initialDirectory;
        if (fail) throw std::runtime_error("the dialog could not be shown");
        if (next.empty()) return std::nullopt;
        const QString name = next.front();
        next.pop_front();
        return name;
    }
};

// Records every box as "prompt|style|title" and answers each question with answer, the rest with OK.
struct ScriptedMessageBoxes : MessageBoxes {
    int answer = kAnswerNo;
    QStringList shown;
    int MsgBox(const QString& prompt, int style, const QString& title) override {
        shown << QStringLiteral("%1|%2|%3").arg(prompt).arg(style).arg(title);
        return style == kStyleQuestion ? answer : kAnswerOK;
    }
};

// A window opened over a settings file in its own temporary folder.
struct TestWindow {
    QTemporaryDir dir;
    QString settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    ScriptedFileDialog* dialog = nullptr;
    ScriptedMessageBoxes* boxes = nullptr;
    std::unique_ptr<frmMain> window;

    // Store this "Startup" value before the window opens, or read it back afterwards
    void Store(const QString& key, const QString& value) { Settings().setValue("Startup/" + key, value); }
    QVariant Stored(const QString& key) { return Settings().value("Startup/" + key); }
    QSettings Settings() { return QSettings(settingsFile, QSettings::IniFormat); }

    // Create the window, which loads the settings
    frmMain& Open() {
        auto scriptedDialog = std::make_unique<ScriptedFileDialog>();
        auto scriptedBoxes = std::make_unique<ScriptedMessageBoxes>();
        dialog = scriptedDialog.get();
        boxes = scriptedBoxes.get();
        window = std::make_unique<frmMain>(std::move(scriptedDialog), std::move(scriptedBoxes), settingsFile);
        return *window;
    }

    QLineEdit* Box(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }
    QRadioButton* Option(int index) const { return window->findChild<QRadioButton*>(index ? "optURL1" : "optURL0"); }
    QCheckBox* Hint() const { return window->findChild<QCheckBox*>("chkHint"); }
};

}  // namespace corvane::testing
