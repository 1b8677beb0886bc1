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

    // The icon box's own menu carries "Write Corvane's Icons Here", which runs the handler.
    void contextMenuEntryWritesIntoTheIconFolder() {
        TestWindow t;
        t.Open();
        t.Box("txtIcon")->setText(QStringLiteral(" "));
        QAction* entry = t.window->findChild<QAction*>(QStringLiteral("mnuWriteIcons"));
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(t.boxes->shown, QStringList("Please name the icon folder first.|warning|Memory Map Icons|"));
    }
};

QTEST_MAIN(IconsTest)
#include "IconsTest.moc"
