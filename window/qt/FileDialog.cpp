// A new QFileDialog per browse, started in the folder and on the name given.
#include "FileDialog.h"

namespace corvane {

std::optional<QString> QtFileDialog::ChooseFile(const QString& filter, const QString& initialDirectory,
                                                const QString& fileName, const QString& defaultSuffix) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(defaultSuffix);
    const QString directory = initialDirectory.isEmpty() ? lastDirectory_ : initialDirectory;
    if (!directory.isEmpty()) dialog.setDirectory(directory);
    // Only the name: a folder here would override the initial folder just set.
    dialog.selectFile(fileName);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    lastDirectory_ = dialog.directory().absolutePath();
    const QStringList files = dialog.selectedFiles();
    if (!accepted || files.isEmpty()) return std::nullopt;
    return files.first();
}

}  // namespace corvane
