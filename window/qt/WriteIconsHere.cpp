// The icon folder box's "Write Corvane's icons here" entry: writes the icon set where the box points.
#include "WriteIconsHere.h"

#include "WindowToolkit.h"
#include "WriteIconSet.h"

#include <QDir>
#include <QFileInfo>

namespace corvane {
namespace {

const QString kTitle = QStringLiteral("Memory Map Icons");

}  // namespace

QString IconFolder(const QString& iconBox, const QString& csvBox) {
    if (iconBox.trimmed().isEmpty()) return {};
    const QString path = QDir::cleanPath(QString(iconBox).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (QDir::isAbsolutePath(path)) return path;
    const QString base = csvBox.trimmed().isEmpty()
                             ? QDir::currentPath()
                             : QFileInfo(QString(csvBox).replace(QLatin1Char('\\'), QLatin1Char('/'))).absolutePath();
    return QDir::cleanPath(QDir(base).filePath(path));
}

void WriteIconsHere(const QString& folder, MessageBoxes& boxes) {
    using icons::WriteIconsOutcome;
    if (folder.isEmpty()) {
        boxes.MsgBox(QStringLiteral("Please name the icon folder first."), kStyleExclamation, kTitle);
        return;
    }
    icons::WriteIconsResult result = icons::WriteIconSet(folder.toStdString(), false);
    if (result.outcome == WriteIconsOutcome::NotReplaced) {
        const QString question = QStringLiteral("Some icon files in %1 differ from Corvane's. Replace them?")
                                     .arg(QDir::toNativeSeparators(folder));
        if (boxes.MsgBox(question, kStyleQuestion, kTitle) != kAnswerYes) return;
        result = icons::WriteIconSet(folder.toStdString(), true);
    }
    if (result.outcome == WriteIconsOutcome::WriteFailed) {
        boxes.MsgBox(QStringLiteral("I could not write the icons: %1").arg(QString::fromStdString(result.error)),
                     kStyleExclamation, kTitle);
        return;
    }
    boxes.MsgBox(QStringLiteral("Corvane's icons are in %1: %2 written, %3 already there.")
                     .arg(QDir::toNativeSeparators(folder))
                     .arg(result.written.size())
                     .arg(result.unchanged.size()),
                 kStyleInformation, kTitle);
}

}  // namespace corvane
