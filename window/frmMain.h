// Corvane's one window: the inputs of a conversion, the two browse buttons, Convert and Close.
#pragma once

#include "CacheRecord.h"
#include "FileDialog.h"
#include "FormToolkit.h"
#include "MessageBoxes.h"
#include "modPath.h"

#include <QString>
#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

// Loads the settings into its controls when created and saves them whenever it closes.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // The window with Qt's own file dialog and message boxes, over the user's settings
    frmMain();
    // The window with the given dialog and boxes (Qt's own where null), over the settings
    // in the ini file settingsFile (the user's settings where empty)
    frmMain(std::unique_ptr<FileDialog> dialog, std::unique_ptr<MessageBoxes> boxes, const QString& settingsFile);
    ~frmMain() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Takes a file dropped anywhere on the window, text boxes included, as the GPX file
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdClose_Click();
    void cmdConvert_Click();
    void cmdGPX_Click();
    void cmdMM_Click();
    void txtGPX_Change();

private:
    void CreateControls();
    void Form_Load();
    void Form_Unload();
    void Browse(QLineEdit* box, const QString& filter);
    QPushButton* MakeButton(const QString& text);
    void Place(QWidget* control, int left, int top, int width, int height);

    QString settingsFile_;
    modPath settings_;
    CacheRecord record_;  // outlives each conversion, as the engine expects
    std::unique_ptr<FileDialog> cDialog;
    std::unique_ptr<MessageBoxes> boxes_;
    std::unique_ptr<FormToolkit> toolkit_;

    QLineEdit* txtGPX = nullptr;
    QPushButton* cmdGPX = nullptr;
    QLineEdit* txtMM = nullptr;
    QPushButton* cmdMM = nullptr;
    QLineEdit* txtIcon = nullptr;
    QLineEdit* txtCacher = nullptr;
    QRadioButton* optURL[2] = {};
    QPushButton* cmdConvert = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QCheckBox* chkHint = nullptr;
};

}  // namespace corvane
