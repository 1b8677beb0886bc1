// The icon set as Qt reads it back.
#include "BmpFile.h"
#include "IconSet.h"

#include <QImage>
#include <QTest>

using namespace corvane;

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
};

QTEST_MAIN(IconsTest)
#include "IconsTest.moc"
