// The file dialog both browse buttons share, behind a seam so tests can answer it.
#pragma once

#include <QFileDialog>
#include <QString>

#include <optional>

namespace corvane {

// One dialog object, kept for the life of the window and shown once per browse.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Let the user pick a file in an open dialog with this filter ("Name (*.ext);;...") and
    // initial folder ("" lets the dialog choose); the chosen full path, or nothing on cancel
    virtual std::optional<QString> ChooseFile(const QString& filter, const QString& initialDirectory) = 0;
};

// Qt's file dialog. Its file-name field starts with the name its last use chose, whichever
// button that was, and it accepts names that do not exist yet, so that the CSV file to
// create can be picked; it never asks about replacing a file.
class QtFileDialog : public FileDialog {
public:
    // A dialog that stays over parent while it is shown
    explicit QtFileDialog(QWidget* parent);

    std::optional<QString> ChooseFile(const QString& filter, const QString& initialDirectory) override;

    // Set the filter, folder and file name for the next showing, as ChooseFile does
    void Prepare(const QString& filter, const QString& initialDirectory);
    // The Qt dialog itself
    QFileDialog& dialog() { return cDialog_; }

private:
    QFileDialog cDialog_;
    QString lastName_;  // file name, without its folder, of the last file chosen
};

}  // namespace corvane
