// Draws the contact sheet of the icon set: every bitmap at twice its size with its file name,
// one row per icon family and one column per kind, the child waypoints in the last row; or
// only the bitmaps named, in one row.
#include "IconSet.h"
#include "IconTable.h"
#include "Kind.h"
#include "WriteIconSet.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

namespace {

constexpr int kScale = 2;
constexpr int kCellWidth = 124;
constexpr int kCellHeight = 96;
constexpr int kMargin = 12;

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvane-icon-sheet OUT.png [BITMAP...]\n");
        return 1;
    }
    // Fonts are all it needs from a display, so it runs without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The sheet shows the files as written, read back by Qt's own bitmap reader.
    QTemporaryDir dir;
    if (corvane::icons::WriteIconSet(dir.path().toStdString(), false).outcome !=
        corvane::icons::WriteIconsOutcome::Written) {
        std::fprintf(stderr, "corvane-icon-sheet: cannot write the icons into %s\n", qPrintable(dir.path()));
        return 1;
    }

    // Columns: the kinds in ascending order; rows: the families, then the child waypoints.
    std::vector<corvane::Kind> kinds;
    std::vector<corvane::Family> families;
    for (const corvane::IconEntry& entry : corvane::kIconTable) {
        if (std::find(kinds.begin(), kinds.end(), entry.kind) == kinds.end()) kinds.push_back(entry.kind);
        if (std::find(families.begin(), families.end(), entry.family) == families.end())
            families.push_back(entry.family);
    }
    std::sort(kinds.begin(), kinds.end());

    // Where each icon goes: column and row, or nothing when it is not shown.
    const std::vector<corvane::icons::Icon> icons = corvane::icons::IconSet();
    std::vector<QPoint> cells(icons.size(), QPoint(-1, -1));
    for (std::size_t i = 0; i < icons.size() && argc == 2; ++i) {
        cells[i] = QPoint(static_cast<int>(i) - static_cast<int>(corvane::kIconTable.size()),
                          static_cast<int>(families.size()));
        if (i < corvane::kIconTable.size()) {
            const corvane::IconEntry& entry = corvane::kIconTable[i];
            cells[i] =
                QPoint(static_cast<int>(std::find(kinds.begin(), kinds.end(), entry.kind) - kinds.begin()),
                       static_cast<int>(std::find(families.begin(), families.end(), entry.family) - families.begin()));
        }
    }
    for (int arg = 2; arg < argc; ++arg) {
        const auto named = std::find_if(icons.begin(), icons.end(),
                                        [&](const corvane::icons::Icon& icon) { return icon.bitmap == argv[arg]; });
        if (named == icons.end()) {
            std::fprintf(stderr, "corvane-icon-sheet: no icon %s\n", argv[arg]);
            return 1;
        }
        cells[static_cast<std::size_t>(named - icons.begin())] = QPoint(arg - 2, 0);
    }
    const int columns = argc == 2 ? static_cast<int>(kinds.size()) : argc - 2;
    const int rows = argc == 2 ? static_cast<int>(families.size() + 1) : 1;

    QImage sheet(2 * kMargin + columns * kCellWidth, 2 * kMargin + rows * kCellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);

    for (std::size_t i = 0; i < icons.size(); ++i) {
        if (cells[i].x() < 0) continue;
        const QString name = QString::fromUtf8(icons[i].bitmap.data(), static_cast<qsizetype>(icons[i].bitmap.size()));
        const QImage image(QDir(dir.path()).filePath(name));
        const QRect cell(kMargin + cells[i].x() * kCellWidth, kMargin + cells[i].y() * kCellHeight, kCellWidth,
                         kCellHeight);
        const QSize size = image.size() * kScale;
        painter.drawImage(QRect(QPoint(cell.center().x() - size.width() / 2, cell.top() + 6), size), image);
        painter.drawText(QRect(cell.left(), cell.top() + 6 + size.height() + 4, cell.width(), 16), Qt::AlignCenter,
                         name);
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "corvane-icon-sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
