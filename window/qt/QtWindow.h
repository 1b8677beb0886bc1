// Corvane's one window in Qt: the controls, the dialogs and the settings of the Qt front-end.
#pragma once

#include "FileDialog.h"
#include "FormHandlers.h"
#include "FormLayout.h"
#include "QtFormView.h"
#include "QtSettingsStore.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane {

// Loads the settings into its controls when created and saves them whenever it closes.
class QtWindow : public QWidget {
    Q_OBJECT
public:
    // The window with the given dialog and boxes (Qt's own where null), over the settings
    // in the ini file settingsFile
    QtWindow(std::unique_ptr<FileDialog> dialog, std::unique_ptr<MessageBoxView> boxes, const QString& settingsFile);
    ~QtWindow() override;

    // Takes the files as the GPX file, as if they had been dropped on the window
    void OpenGPX(const QStringList& paths);

protected:
    // Close and the title bar's close box: saves the settings; during a conversion, closes at its end
    void closeEvent(QCloseEvent* event) override;
    // Takes files dropped anywhere on the window, text boxes included, as the GPX file
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The icon folder box's own menu, with "Write Corvane's Icons Here" below the editing entries
    void txtIcon_ContextMenu(const QPoint& position);
    // Creates the menu bar and every control of the form's layout at its place in the client area,
    // in tab order, and connects the handlers
    void CreateControls();
    // A control of the kind the layout names, not yet placed
    QWidget* MakeControl(const ControlLayout& layout);

    QtSettingsStore store_;
    std::unique_ptr<FileDialog> dialog_;
    std::unique_ptr<MessageBoxView> boxes_;
    std::unique_ptr<QtFormView> view_;
    std::unique_ptr<FormHandlers> handlers_;

    QWidget* client_ = nullptr;  // the area below the menu bar that holds the controls
    QLineEdit* txtGPX = nullptr;
    QPushButton* cmdGPX = nullptr;
    QLineEdit* txtMM = nullptr;
    QPushButton* cmdMM = nullptr;
    QLineEdit* txtIcon = nullptr;
    QLineEdit* txtCacher = nullptr;
    QPushButton* cmdConvert = nullptr;
    QPushButton* cmdClose = nullptr;
    QAction* mnuWriteIcons = nullptr;
};

}  // namespace corvane
