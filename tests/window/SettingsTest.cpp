// The remembered inputs: what the window shows when it opens, and what it saves when it closes.
#include "WindowTestSupport.h"

#include <QAction>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

using namespace corvane;
using namespace corvane::testing;

namespace {

// Close by the Close button, or by the title bar's close box
void CloseWindow(TestWindow& t, bool byButton) {
    t.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
    if (byButton)
        QTest::mouseClick(t.Button("cmdClose"), Qt::LeftButton);
    else
        t.window->windowHandle()->close();
    QVERIFY(!t.window->isVisible());
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void firstStartShowsEmptyBoxesAndCacheMate() {
        TestWindow t;
        t.Open();
        QCOMPARE(t.Texts(), QStringList({"", "", "", ""}));
        QVERIFY(!t.Option(0)->isChecked());
        QVERIFY(t.Option(1)->isChecked());
        QVERIFY(!t.Hint()->isChecked());
        QVERIFY(!QFile::exists(t.settingsFile));
    }

    // The GPX path is set first and fills the output box; the saved CSV path, stored empty or absent, replaces it.
    void savedCsvPathReplacesTheDerivedName() {
        for (bool csvStored : {true, false}) {
            TestWindow t;
            t.Store({{"GPXPath", "C:\\Caches\\week.gpx"}});
            if (csvStored) t.Store({{"CSVPath", ""}});
            t.Open();
            QCOMPARE(t.Texts().mid(0, 2), QStringList({"C:\\Caches\\week.gpx", ""}));
        }
    }

    void savedFlagsChooseTheLinkAndTheHint_data() {
        QTest::addColumn<QString>("include");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("website");
        QTest::addColumn<bool>("ticked");
        // clang-format off
        QTest::newRow("C, Y") << "C" << "Y" << false << true;
        QTest::newRow("U, N") << "U" << "N" << true << false;
        QTest::newRow("lowercase") << "c" << "y" << true << false;
        QTest::newRow("empty") << "" << "" << true << false;
        QTest::newRow("longer") << "CacheMate" << "Yes" << true << false;
        QTest::newRow("with a space") << "C " << "Y " << true << false;
        // clang-format on
    }

    void savedFlagsChooseTheLinkAndTheHint() {
        QFETCH(QString, include);
        QFETCH(QString, hint);
        QFETCH(bool, website);
        QFETCH(bool, ticked);
        TestWindow t;
        t.Store({{"Include", include}, {"Hint", hint}});
        t.Open();
        QCOMPARE(t.Option(0)->isChecked(), website);
        QCOMPARE(t.Option(1)->isChecked(), !website);
        QCOMPARE(t.Hint()->isChecked(), ticked);
    }

    // Spaces survive loading and saving, and an emptied box is saved empty; Encoding is never written.
    void closingSavesEveryValue_data() {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QString>("include");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("encoding");
        // clang-format off
        QTest::newRow("Close, C, N") << true << "C" << "N" << "";
        QTest::newRow("Close, U, Y") << true << "U" << "Y" << "windows-1250";
        QTest::newRow("close box, C, Y") << false << "C" << "Y" << "windows-1250";
        QTest::newRow("close box, U, N") << false << "U" << "N" << "";
        // clang-format on
    }

    void closingSavesEveryValue() {
        QFETCH(bool, byButton);
        QFETCH(QString, include);
        QFETCH(QString, hint);
        QFETCH(QString, encoding);
        const QStringList loaded{"  C:\\My Caches\\week.gpx ", " ", "\\MM Icons\\  ", " Oak, Leaf "};
        TestWindow t;
        t.Store({{"GPXPath", loaded[0]}, {"CSVPath", loaded[1]}, {"IconPath", loaded[2]}, {"Name", loaded[3]}});
        if (!encoding.isEmpty()) t.Store({{"Encoding", encoding}});
        t.Open();
        QCOMPARE(t.Texts(), loaded);
        t.Box("txtGPX")->setText(QStringLiteral(" D:\\week.gpx"));
        t.Box("txtMM")->setText(QStringLiteral("D:\\all.csv "));
        t.Box("txtIcon")->clear();
        t.Box("txtCacher")->setText(QStringLiteral("Oakleaf"));
        t.Option(include == "U" ? 0 : 1)->setChecked(true);
        t.Hint()->setChecked(hint == "Y");
        CloseWindow(t, byButton);
        QCOMPARE(t.Stored({"GPXPath", "CSVPath", "IconPath", "Name", "Include", "Hint", "Encoding"}),
                 QVariantList({" D:\\week.gpx", "D:\\all.csv ", "", "Oakleaf", include, hint,
                               encoding.isEmpty() ? QVariant() : encoding}));
    }

    // "Icons by cache type" is an entry of the form's own context menu, kept as Kinds.
    void iconsByCacheTypeIsRemembered() {
        for (const QString& kinds : {QStringLiteral("Type"), QStringLiteral("Container"), QString()}) {
            TestWindow t;
            if (!kinds.isEmpty()) t.Store({{"Kinds", kinds}});
            t.Open();
            auto* entry = t.Find<QAction>(QStringLiteral("mnuIconsByType"));
            QVERIFY(entry && entry->isCheckable() && t.window->actions().contains(entry));
            QCOMPARE(t.window->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(entry->text(), QStringLiteral("Icons by cache type"));
            QCOMPARE(entry->isChecked(), kinds == "Type");
            entry->toggle();
            CloseWindow(t, true);
            QCOMPARE(t.Stored({"Kinds"}), QVariantList({kinds == "Type" ? "Container" : "Type"}));
        }
    }

    void browsingAndConvertingSaveNothing() {
        TestWindow t;
        t.Open();
        t.dialog->next = {QStringLiteral("/data/caches/week.gpx"), QStringLiteral("/data/out/new.csv")};
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QTest::mouseClick(t.Button("cmdConvert"), Qt::LeftButton);
        QCOMPARE(t.boxes->shown.size(), std::size_t{1});
        QVERIFY(!QFile::exists(t.settingsFile));
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
