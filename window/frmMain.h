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

class QAction;
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

    // Takes the file as the GPX file, as if it had been dropped on the window
    void OpenGPX(const QString& path);

protected:
    // Close and the title bar's close box: saves the settings, never refuses
    void closeEvent(QCloseEvent* event) override;
    // Takes a file dropped anywhere on the window, text boxes included, as the GPX file
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // Closes the window, which saves the settings
    void cmdClose_Click();
    // Runs one conversion over the controls, with the code page of the "Encoding" setting, under
    // a busy cursor while the window keeps painting
    void cmdConvert_Click();
    // Lets the user choose the GPX file
    void cmdGPX_Click();
    // Lets the user choose the CSV file
    void cmdMM_Click();
    // Fills an empty output box from the GPX name; runs for every change of the GPX box
    void txtGPX_Change();
    // The icon folder box's own menu, with "Write Corvane's icons here" below the editing entries
    void txtIcon_ContextMenu(const QPoint& position);
    // Writes the icon set into the folder the icon box names
    void mnuWriteIcons_Click();

private:
    // Creates every control at its place, in tab order
    void CreateControls();
    // Fills the controls from the settings
    void Form_Load();
    // Copies the controls into the settings and saves them
    void Form_Unload();
    // Shows cDialog for box with filter and puts the chosen path into box; failures change nothing
    void Browse(QLineEdit* box, const QString& filter);
    // A push button that Enter and Escape never click
    QPushButton* MakeButton(const QString& text);
    // Sets a control's place and size, given in twips
    void Place(QWidget* control, int left, int top, int width, int height);

    QString settingsFile_;
    modPath settings_;
    CacheRecord record_;  // outlives each conversion, as the engine expects
    std::unique_ptr<FileDialog> cDialog;
    std::unique_ptr<MessageBoxes> boxes_;
    std::unique_ptr<FormToolkit> toolkit_;
    bool converting_ = false;     // a conversion is running
    bool closeWhenDone_ = false;  // the window was closed during it

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
    QAction* mnuWriteIcons = nullptr;
    QAction* mnuIconsByType = nullptr;  // "Icons by cache type", in the form's own context menu
};

}  // namespace corvane
