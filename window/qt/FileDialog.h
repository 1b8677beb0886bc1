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
    // Let the user pick a file in an open dialog with this filter ("Name (*.ext);;..."), initial
    // folder ("" lets the dialog choose) and file name, adding defaultSuffix ("" for none) to a name
    // typed without an extension; the chosen full path, or nothing on cancel
    virtual std::optional<QString> ChooseFile(const QString& filter, const QString& initialDirectory,
                                              const QString& fileName, const QString& defaultSuffix) = 0;
};

// Qt's file dialog. It accepts names that do not exist yet, so that the CSV file to
// create can be picked; it never asks about replacing a file. Each showing is a new Qt
// dialog, removed when it closes: a dialog kept hidden between showings can leave its
// name-completion list on screen, holding the mouse and the keyboard.
class QtFileDialog : public FileDialog {
public:
    // A dialog that stays over parent while it is shown
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}

    std::optional<QString> ChooseFile(const QString& filter, const QString& initialDirectory, const QString& fileName,
                                      const QString& defaultSuffix) override;

private:
    QWidget* parent_;
    QString lastDirectory_;  // folder the last showing ended in, for a browse without one
};

}  // namespace corvane
