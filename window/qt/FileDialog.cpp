// The file dialog both browse buttons share, behind a seam so tests can answer it.
#include "FileDialog.h"

#include <QFileInfo>

namespace corvane {

QtFileDialog::QtFileDialog(QWidget* parent) : cDialog_(parent) {
    cDialog_.setAcceptMode(QFileDialog::AcceptOpen);
    cDialog_.setFileMode(QFileDialog::AnyFile);
}

void QtFileDialog::Prepare(const QString& filter, const QString& initialDirectory) {
    cDialog_.setNameFilters(filter.split(QStringLiteral(";;")));
    if (!initialDirectory.isEmpty()) cDialog_.setDirectory(initialDirectory);
    // Only the name: a folder here would override the initial folder just set.
    cDialog_.selectFile(lastName_);
}

std::optional<QString> QtFileDialog::ChooseFile(const QString& filter, const QString& initialDirectory) {
    Prepare(filter, initialDirectory);
    if (cDialog_.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = cDialog_.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    lastName_ = QFileInfo(files.first()).fileName();
    return files.first();
}

}  // namespace corvane
