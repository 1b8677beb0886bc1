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

// Answers each browse with the next queued name (none left: cancel) and records what it was handed.
class ScriptedFileDialog : public FileDialog {
public:
    struct Call {
        QString filter;
        QString initialDirectory;
    };
    std::deque<QString> next;
    std::vector<Call> calls;
    bool fail = false;  // throw instead of answering

    std::optional<QString> ChooseFile(const QString& filter, const QString& initialDirectory) override {
        calls.push_back({filter, initialDirectory});
        if (fail) throw std::runtime_error("the dialog could not be shown");
        if (next.empty()) return std::nullopt;
        const QString name = next.front();
        next.pop_front();
        return name;
    }
};

// Records every box and answers each question with answer, the rest with OK.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
        bool operator==(const Shown&) const = default;
    };
    int answer = kAnswerNo;
    std::vector<Shown> shown;

    int MsgBox(const QString& prompt, int style, const QString& title) override {
        shown.push_back({prompt, style, title});
        return style == kStyleQuestion ? answer : kAnswerOK;
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

    // The "Startup" values of these keys as the file holds them now; an invalid QVariant for an absent key
    QVariantList Stored(const QStringList& keys) const {
        QSettings store(settingsFile, QSettings::IniFormat);
        QVariantList values;
        for (const QString& key : keys) values << store.value(QStringLiteral("Startup/") + key);
        return values;
    }

    // The texts of txtGPX, txtMM, txtIcon and txtCacher
    QStringList Texts() const {
        return {Box("txtGPX")->text(), Box("txtMM")->text(), Box("txtIcon")->text(), Box("txtCacher")->text()};
    }

    template <class Control = QWidget>
    Control* Find(const QString& name) const {
        return window->findChild<Control*>(name);
    }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(QLatin1String(name)); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(QLatin1String(name)); }
    QRadioButton* Option(int index) const { return Find<QRadioButton>(QStringLiteral("optURL%1").arg(index)); }
    QCheckBox* Hint() const { return Find<QCheckBox>(QStringLiteral("chkHint")); }
};

}  // namespace corvane::testing
