// A settings file that cannot be read, is corrupt or cannot be written: the window opens with
// the defaults, and closing it neither crashes nor shows a message.
#include "WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace corvane::testing;

class BrokenSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithDefaultsAndClosesQuietly_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("corrupt") << "corrupt";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("below a file") << "below a file";
    }

    void opensWithDefaultsAndClosesQuietly() {
        QFETCH(QString, kind);
        TestWindow t;
        if (kind == "corrupt") {
            const char corrupt[] = "\xff\0[Startup\n[Startup]\nGPXPath=@Variant(\0\0\0\x7f\0\0\0\x05" "Bogus)\n"
                                   "Name=@Variant(\xff\xff\xff\xff\0\0)\nHint=@ByteArray(\x01\n=\n\\\n";
            QFile file(t.settingsFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(corrupt, sizeof corrupt - 1);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(t.settingsFile));
        } else {
            QFile file(t.dir.filePath("file"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            t.settingsFile = t.dir.filePath("file/settings.ini");
        }
        t.Open();
        QCOMPARE(t.Texts(), QStringList({"", "", "", ""}));
        QVERIFY(t.Option(1)->isChecked());
        QVERIFY(!t.Hint()->isChecked());
        t.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        QVERIFY(t.window->close());
        QVERIFY(t.boxes->shown.empty());
    }
};

QTEST_MAIN(BrokenSettingsTest)
#include "BrokenSettingsTest.moc"
