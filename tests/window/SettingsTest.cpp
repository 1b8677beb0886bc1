// The remembered inputs: what the window shows when it opens, and what it saves when it closes.
#include "WindowTestSupport.h"

#include <QStandardPaths>
#include <QTest>
#include <QWindow>

using namespace corvane;
using namespace corvane::testing;

namespace {

enum class CloseBy { Button, TitleBar };

void CloseWindow(TestWindow& t, CloseBy by) {
    t.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
    if (by == CloseBy::Button)
        QTest::mouseClick(t.Button("cmdClose"), Qt::LeftButton);
    else
        t.window->windowHandle()->close();  // the way the title bar's close box asks
    QVERIFY(!t.window->isVisible());
}

}  // namespace

Q_DECLARE_METATYPE(CloseBy)

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void firstStartShowsEmptyBoxesAndCacheMate() {
        TestWindow t;
        t.Open();
        for (const char* name : {"txtGPX", "txtMM", "txtIcon", "txtCacher"}) QCOMPARE(t.Box(name)->text(), QString());
        QVERIFY(t.Option(1)->isChecked());
        QVERIFY(!t.Hint()->isChecked());
        QVERIFY(!QFile::exists(t.settingsFile));
    }

    void savedValuesFillTheBoxes() {
        TestWindow t;
        t.Store({{"GPXPath", "C:\\Caches\\week.gpx"},
                 {"CSVPath", "D:\\Out\\all.csv"},
                 {"IconPath", "C:\\MM Icons"},
                 {"Name", "Oakleaf"}});
        t.Open();
        QCOMPARE(t.Box("txtGPX")->text(), QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("D:\\Out\\all.csv"));
        QCOMPARE(t.Box("txtIcon")->text(), QStringLiteral("C:\\MM Icons"));
        QCOMPARE(t.Box("txtCacher")->text(), QStringLiteral("Oakleaf"));
    }

    // The GPX path is set first and fills the output box; the saved CSV path then replaces it.
    void savedCsvPathReplacesTheDerivedName_data() {
        QTest::addColumn<bool>("csvStored");
        QTest::newRow("stored empty") << true;
        QTest::newRow("absent") << false;
    }

    void savedCsvPathReplacesTheDerivedName() {
        QFETCH(bool, csvStored);
        TestWindow t;
        t.Store({{"GPXPath", "C:\\Caches\\week.gpx"}});
        if (csvStored) t.Store({{"CSVPath", ""}});
        t.Open();
        QCOMPARE(t.Box("txtGPX")->text(), QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QString());
        // The box is empty again, so the next change of the GPX path fills it.
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\month.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\month.csv"));
    }

    void includeChoosesTheLink_data() {
        QTest::addColumn<QString>("include");
        QTest::addColumn<bool>("website");
        QTest::newRow("C") << "C" << false;
        QTest::newRow("U") << "U" << true;
        QTest::newRow("lowercase c") << "c" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("longer, beginning with C") << "CacheMate" << true;
        QTest::newRow("C with a space") << "C " << true;
    }

    void includeChoosesTheLink() {
        QFETCH(QString, include);
        QFETCH(bool, website);
        TestWindow t;
        t.Store({{"Include", include}});
        t.Open();
        QCOMPARE(t.Option(0)->isChecked(), website);
        QCOMPARE(t.Option(1)->isChecked(), !website);
    }

    void hintFlagTicksTheBox_data() {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("Y") << "Y" << true;
        QTest::newRow("N") << "N" << false;
        QTest::newRow("lowercase y") << "y" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("Yes") << "Yes" << false;
    }

    void hintFlagTicksTheBox() {
        QFETCH(QString, hint);
        QFETCH(bool, ticked);
        TestWindow t;
        t.Store({{"Hint", hint}});
        t.Open();
        QCOMPARE(t.Hint()->isChecked(), ticked);
    }

    void closingSavesEveryValue_data() {
        QTest::addColumn<CloseBy>("by");
        QTest::addColumn<bool>("website");
        QTest::addColumn<bool>("hint");
        QTest::addColumn<QString>("include");
        QTest::addColumn<QString>("hintFlag");
        QTest::newRow("Close, CacheMate, no hint") << CloseBy::Button << false << false << "C"
                                                   << "N";
        QTest::newRow("Close, website, hint") << CloseBy::Button << true << true << "U"
                                              << "Y";
        QTest::newRow("close box, CacheMate, hint") << CloseBy::TitleBar << false << true << "C"
                                                    << "Y";
        QTest::newRow("close box, website, no hint") << CloseBy::TitleBar << true << false << "U"
                                                     << "N";
    }

    void closingSavesEveryValue() {
        QFETCH(CloseBy, by);
        QFETCH(bool, website);
        QFETCH(bool, hint);
        QFETCH(QString, include);
        QFETCH(QString, hintFlag);
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.Box("txtMM")->setText(QStringLiteral("D:\\Out\\all.csv"));
        t.Box("txtIcon")->setText(QStringLiteral("\\MM Icons\\"));
        t.Box("txtCacher")->setText(QStringLiteral("Oakleaf"));
        t.Option(website ? 0 : 1)->setChecked(true);
        t.Hint()->setChecked(hint);
        QVERIFY(!QFile::exists(t.settingsFile));

        CloseWindow(t, by);

        QCOMPARE(t.Stored("GPXPath"), std::optional<QString>("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Stored("CSVPath"), std::optional<QString>("D:\\Out\\all.csv"));
        QCOMPARE(t.Stored("IconPath"), std::optional<QString>("\\MM Icons\\"));
        QCOMPARE(t.Stored("Name"), std::optional<QString>("Oakleaf"));
        QCOMPARE(t.Stored("Include"), std::optional<QString>(include));
        QCOMPARE(t.Stored("Hint"), std::optional<QString>(hintFlag));
    }

    void emptyValuesAreSavedToo() {
        TestWindow t;
        t.Store({{"GPXPath", "C:\\Caches\\week.gpx"}, {"Name", "Oakleaf"}});
        t.Open();
        t.Box("txtGPX")->clear();
        t.Box("txtCacher")->clear();
        CloseWindow(t, CloseBy::Button);
        QCOMPARE(t.Stored("GPXPath"), std::optional<QString>(""));
        QCOMPARE(t.Stored("CSVPath"), std::optional<QString>(""));
        QCOMPARE(t.Stored("Name"), std::optional<QString>(""));
    }

    void spacesSurviveTheRoundTrip() {
        const QString gpx = QStringLiteral("  C:\\My Caches\\week.gpx ");
        const QString csv = QStringLiteral(" ");
        const QString icon = QStringLiteral("\\MM Icons\\  ");
        const QString name = QStringLiteral(" Oak, Leaf ");
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(gpx);
        t.Box("txtMM")->setText(csv);
        t.Box("txtIcon")->setText(icon);
        t.Box("txtCacher")->setText(name);
        CloseWindow(t, CloseBy::TitleBar);

        TestWindow again;
        again.settingsFile = t.settingsFile;
        again.Open();
        QCOMPARE(again.Box("txtGPX")->text(), gpx);
        QCOMPARE(again.Box("txtMM")->text(), csv);
        QCOMPARE(again.Box("txtIcon")->text(), icon);
        QCOMPARE(again.Box("txtCacher")->text(), name);
    }

    void encodingIsReadButNeverWritten() {
        TestWindow t;
        t.Store({{"Encoding", "windows-1250"}});
        t.Open();
        CloseWindow(t, CloseBy::Button);
        QCOMPARE(t.Stored("Encoding"), std::optional<QString>("windows-1250"));

        TestWindow fresh;
        fresh.Open();
        CloseWindow(fresh, CloseBy::Button);
        QCOMPARE(fresh.Stored("Encoding"), std::nullopt);
    }

    void convertingSavesNothing() {
        TestWindow t;
        t.Open();
        QTest::mouseClick(t.Button("cmdConvert"), Qt::LeftButton);
        QCOMPARE(t.boxes->shown.size(), std::size_t{1});
        QVERIFY(!QFile::exists(t.settingsFile));
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
