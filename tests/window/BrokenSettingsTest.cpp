// A settings file that is corrupt, cannot be read or cannot be written: the window opens with
// the defaults, and closing it neither crashes nor shows a message.
#include "WindowTestSupport.h"

#include <QDir>
#include <QTest>

using namespace corvane::testing;

class BrokenSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithDefaultsAndClosesQuietly() {
        for (const char* kind : {"corrupt", "a folder", "below a file"}) {
            TestWindow t;
            QFile file(t.settingsFile);
            const char corrupt[] =
                "\xff\0[Startup]\nGPXPath=@Variant(\0\0\0\x7f\0\0\0\x05)\nName=@Variant(\xff\xff)\n=\n\\";
            if (kind[0] == 'c' && file.open(QIODevice::WriteOnly)) file.write(corrupt, sizeof corrupt - 1);
            if (kind[0] == 'a') QVERIFY(QDir().mkpath(t.settingsFile));
            if (kind[0] == 'b' && file.open(QIODevice::WriteOnly)) t.settingsFile += "/settings.ini";
            t.Open();
            QCOMPARE(t.Texts(), QStringList({"", "", "", ""}));
            QVERIFY(t.Option(1)->isChecked() && !t.Hint()->isChecked());
            t.window->show();
            QVERIFY(t.window->close());
            QVERIFY(t.boxes->shown.empty());
        }
    }
};

QTEST_MAIN(BrokenSettingsTest)
#include "BrokenSettingsTest.moc"
