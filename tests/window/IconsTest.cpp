// The icon set as Qt reads it back, and the icon folder box's entry that writes it.
#include "WindowTestSupport.h"

#include "BmpFile.h"
#include "IconSet.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

using namespace corvane;
using namespace corvane::testing;

class IconsTest : public QObject {
    Q_OBJECT
private slots:
    void qtReadsThePixelsThatWereDrawn() {
        for (const icons::Icon& icon : icons::IconSet()) {
            const std::string bytes = icons::EncodeBmp(icon.image);
            QImage image;
            QVERIFY(image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "BMP"));
            QCOMPARE(image.size(), QSize(32, 32));
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const icons::Rgb drawn = icons::kPalette[static_cast<int>(icon.image.at(x, y))];
                    if (image.pixel(x, y) != qRgb(drawn.red, drawn.green, drawn.blue))
                        QFAIL(qPrintable(QStringLiteral("%1 at %2,%3").arg(icon.bitmap.data()).arg(x).arg(y)));
                }
            }
        }
    }

    // An empty box is refused; a relative folder is taken from the CSV file's folder; different files
    // are replaced after a Yes.
    void contextMenuEntryWritesIntoTheIconFolder() {
        TestWindow t;
        t.Open();
        t.Box("txtMM")->setText(t.dir.filePath(QStringLiteral("out.csv")));
        t.Box("txtIcon")->setText(QStringLiteral(" "));
        QAction* entry = t.window->findChild<QAction*>(QStringLiteral("mnuWriteIcons"));
        QVERIFY(entry);
        entry->trigger();
        t.Box("txtIcon")->setText(QStringLiteral("MM Icons\\"));
        const QString folder = QDir::toNativeSeparators(t.dir.filePath(QStringLiteral("MM Icons")));
        const QString parking = t.dir.filePath(QStringLiteral("MM Icons/parking.bmp"));

        entry->trigger();
        QFile(parking).resize(1);
        t.boxes->answer = kAnswerNo;
        entry->trigger();
        QCOMPARE(QFile(parking).size(), 1);
        t.boxes->answer = kAnswerYes;
        entry->trigger();
        QCOMPARE(QFile(parking).size(), 630);

        const QString title = QStringLiteral("|%1|Memory Map Icons|");  // no detail under the prompt
        const QString question =
            QStringLiteral("Some icon files in %1 differ from Corvane's. Replace them?").arg(folder) +
            title.arg(kStyleQuestion);
        const QStringList shown{
            QStringLiteral("Please name the icon folder first.") + title.arg(kStyleExclamation),
            QStringLiteral("Corvane's icons are in %1: 87 written, 0 already there.").arg(folder) +
                title.arg(kStyleInformation),
            question,
            question,
            QStringLiteral("Corvane's icons are in %1: 1 written, 86 already there.").arg(folder) +
                title.arg(kStyleInformation),
        };
        QCOMPARE(t.boxes->shown, shown);
    }
};

QTEST_MAIN(IconsTest)
#include "IconsTest.moc"
