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
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace corvane::testing {

// Answers each browse with the next queued name (nothing: cancel) and records what it was handed.
class ScriptedFileDialog : public FileDialog {
public:
    struct Call {
        QString filter;
        QString initialDirectory;
    };
    std::deque<QString> next;  // a null name, or none left, cancels
    std::vector<Call> calls;
    bool fail = false;  // throw instead of answering

    std::optional<QString> ChooseFile(const QString& filter, const QString& initialDirectory) override {
        calls.push_back({filter, initialDirectory});
        if (fail) throw std::runtime_error("the dialog could not be shown");
        if (next.empty()) return std::nullopt;
        const QString name = next.front();
        next.pop_front();
        if (name.isNull()) return std::nullopt;
        return name;
    }
};

// Records every box and answers questions from a queue (No when it is empty), the rest with OK.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
        bool operator==(const Shown&) const = default;
    };
    std::deque<int> answers;
    std::vector<Shown> shown;

    int MsgBox(const QString& prompt, int style, const QString& title) override {
        shown.push_back({prompt, style, title});
        if (style != kStyleQuestion) return kAnswerOK;
        if (answers.empty()) return kAnswerNo;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A window opened over a settings file in its own temporary folder.
class TestWindow {
public:
    QTemporaryDir dir;
    QString settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    ScriptedFileDialog* dialog = nullptr;
    ScriptedMessageBoxes* boxes = nullptr;
    std::unique_ptr<frmMain> window;

    // Store these "Startup" values before the window opens
    void Store(std::initializer_list<std::pair<QString, QString>> values) {
        QSettings store(settingsFile, QSettings::IniFormat);
        for (const auto& [key, value] : values) store.setValue(QStringLiteral("Startup/") + key, value);
    }

    // Create the window, which loads the settings
    frmMain& Open() {
        auto scriptedDialog = std::make_unique<ScriptedFileDialog>();
        auto scriptedBoxes = std::make_unique<ScriptedMessageBoxes>();
        dialog = scriptedDialog.get();
        boxes = scriptedBoxes.get();
        window = std::make_unique<frmMain>(std::move(scriptedDialog), std::move(scriptedBoxes), settingsFile);
        return *window;
    }

    // A "Startup" value as the file holds it now, or nothing when the key is absent
    std::optional<QString> Stored(const QString& key) const {
        QSettings store(settingsFile, QSettings::IniFormat);
        const QVariant value = store.value(QStringLiteral("Startup/") + key);
        if (!value.isValid()) return std::nullopt;
        return value.toString();
    }

    template <class Control>
    Control* Find(const char* name) const {
        return window->findChild<Control*>(QLatin1String(name));
    }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    QRadioButton* Option(int index) const { return Find<QRadioButton>(index == 0 ? "optURL0" : "optURL1"); }
    QCheckBox* Hint() const { return Find<QCheckBox>("chkHint"); }
};

}  // namespace corvane::testing
