// Convert through the real window: the boxes it shows and the bytes of the CSV file it writes.
#include "WindowTestSupport.h"

#include <QAction>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace corvane;
using namespace corvane::testing;

using Shown = std::vector<ScriptedMessageBoxes::Shown>;
Q_DECLARE_METATYPE(Shown)

namespace {

// A found cache placed by Oakleaf, with an accent in its name.
const QByteArray kCafeGpx =
    R"(<gpx><wpt lat="51.5" lon="-0.1"><name>GC1ABCD</name><url>http://x/GC1ABCD</url>)"
    R"(<sym>Geocache Found</sym><groundspeak:cache xmlns:groundspeak="g"><groundspeak:name>Café</groundspeak:name>)"
    R"(<groundspeak:placed_by>Oakleaf</groundspeak:placed_by><groundspeak:type>Traditional Cache</groundspeak:type>)"
    R"(<groundspeak:container>Regular</groundspeak:container><groundspeak:difficulty>1.5</groundspeak:difficulty>)"
    R"(<groundspeak:terrain>2</groundspeak:terrain>)"
    R"(<groundspeak:encoded_hints>Under the roots</groundspeak:encoded_hints></groundspeak:cache></wpt></gpx>)";

const ScriptedMessageBoxes::Shown kNamesMissing{"Please give me some file names to play with.", 48, "Conversion"};
const ScriptedMessageBoxes::Shown kLoadFailed{
    "I have a problem loading the GPX file, please check it or select another.", 48, "Convertion"};
const ScriptedMessageBoxes::Shown kOverwrite{"Overwrite the existing file?", 36, "Conversion"};
const ScriptedMessageBoxes::Shown kComplete{"Complete!", 64, "Conversion"};
const ScriptedMessageBoxes::Shown kWriteFailed{
    "I have a problem writing the CSV file, please check it or select another.", 48, "Conversion"};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// A window whose boxes name caches.gpx, holding gpx, and out.csv beside it in its folder.
struct ConvertWindow : TestWindow {
    QString csvPath = dir.filePath(QStringLiteral("out.csv"));

    void OpenWith(const QByteArray& gpx) {
        WriteFile(dir.filePath(QStringLiteral("caches.gpx")), gpx);
        Open();
        Box("txtGPX")->setText(dir.filePath(QStringLiteral("caches.gpx")));
        Box("txtMM")->setText(csvPath);
        Box("txtIcon")->setText(QStringLiteral("C:\\Icons"));
    }
    void Convert() { QTest::mouseClick(Button("cmdConvert"), Qt::LeftButton); }
};

}  // namespace

class ConvertTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The icon number tells the user's own cache from one found; "Encoding" sets the code page.
    void controlsChooseTheWaypointLine_data() {
        QTest::addColumn<bool>("website");
        QTest::addColumn<bool>("hint");
        QTest::addColumn<QString>("cacher");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("icon");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("comment");
        QTest::addColumn<QByteArray>("link");
        const QByteArray own = "306", found = "106";
        const QByteArray utf8 = "\"Caf\xC3\xA9 (1.5/2 TR)\"", ansi = "\"Caf\xE9 (1.5/2 TR)\"";
        const QByteArray plain = "GC1ABCD", hinted = "\"GC1ABCD (Hint): Under the roots\"";
        const QByteArray cachemate = "\"\\cmate:GC1ABCD\"", website = "\"http://x/GC1ABCD\"";
        // clang-format off
        QTest::newRow("CacheMate, no hint, own") << false << false << "Oakleaf" << "utf-8" << own << utf8 << plain << cachemate;
        QTest::newRow("CacheMate, hint, found") << false << true << "Someone" << "Windows-1252" << found << ansi << hinted << cachemate;
        QTest::newRow("website, no hint, found") << true << false << "Someone" << "utf-8" << found << utf8 << plain << website;
        QTest::newRow("website, hint, own") << true << true << "Oakleaf" << "Windows-1252" << own << ansi << hinted << website;
        // clang-format on
    }

    void controlsChooseTheWaypointLine() {
        QFETCH(bool, website);
        QFETCH(bool, hint);
        QFETCH(QString, cacher);
        QFETCH(QString, encoding);
        QFETCH(QByteArray, icon);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, comment);
        QFETCH(QByteArray, link);
        ConvertWindow t;
        t.Store({{"Encoding", encoding}});
        t.OpenWith(kCafeGpx);
        t.Option(website ? 0 : 1)->setChecked(true);
        t.Hint()->setChecked(hint);
        t.Box("txtCacher")->setText(cacher);
        t.Convert();
        QCOMPARE(t.boxes->shown, Shown{kComplete});
        QCOMPARE(t.Box("txtIcon")->text(), QStringLiteral("C:\\Icons\\"));
        const QByteArray csv = ReadFile(t.csvPath);
        QCOMPARE(csv.count("\r\n"), 81);  // the icon table, then the one waypoint
        QVERIFY(csv.startsWith("IC01 , 101, \"C:\\Icons\\EventF.bmp\"\r\n"));
        const QByteArray line = "WP04,51.5,-0.1," + icon + ',' + name + ',' + comment + ',' + link;
        QCOMPARE(csv.sliced(csv.indexOf("\r\nWP04") + 2), line + ",0.0,1,GC1ABCD,1,1,Traditional,0\r\n");
    }

    void iconsByCacheTypeReachTheConversion() {
        ConvertWindow t;
        t.OpenWith(kCafeGpx);
        t.Find<QAction>(QStringLiteral("mnuIconsByType"))->trigger();
        t.Convert();
        QCOMPARE(ReadFile(t.csvPath).count("\r\n"), 87);  // six icons of child waypoints follow the 80
    }

    // Every run starts with out.csv holding "old".
    void outcomes_data() {
        QTest::addColumn<QString>("gpx");
        QTest::addColumn<QString>("csv");
        QTest::addColumn<int>("answer");
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<bool>("replaced");
        // clang-format off
        QTest::newRow("Yes replaces") << "caches.gpx" << "out.csv" << kAnswerYes << Shown{kOverwrite, kComplete} << true;
        QTest::newRow("No keeps") << "caches.gpx" << "out.csv" << kAnswerNo << Shown{kOverwrite, kComplete} << false;
        QTest::newRow("no GPX name") << "" << "out.csv" << kAnswerYes << Shown{kNamesMissing} << false;
        QTest::newRow("no CSV name") << "caches.gpx" << "" << kAnswerYes << Shown{kNamesMissing} << false;
        QTest::newRow("GPX file missing") << "absent.gpx" << "out.csv" << kAnswerYes << Shown{kLoadFailed} << false;
        QTest::newRow("GPX not well-formed") << "bad.gpx" << "out.csv" << kAnswerYes << Shown{kLoadFailed} << false;
        QTest::newRow("CSV folder missing") << "caches.gpx" << "missing/out.csv" << kAnswerYes << Shown{kWriteFailed} << false;
        // clang-format on
    }

    void outcomes() {
        QFETCH(QString, gpx);
        QFETCH(QString, csv);
        QFETCH(int, answer);
        QFETCH(Shown, shown);
        QFETCH(bool, replaced);
        ConvertWindow t;
        t.OpenWith(kCafeGpx);
        WriteFile(t.dir.filePath(QStringLiteral("bad.gpx")), "<gpx><wpt></gpx>");
        WriteFile(t.csvPath, "old\r\n");
        t.Box("txtGPX")->setText(gpx.isEmpty() ? gpx : t.dir.filePath(gpx));
        t.Box("txtMM")->setText(csv.isEmpty() ? csv : t.dir.filePath(csv));
        t.boxes->answer = answer;
        t.Convert();
        QCOMPARE(t.boxes->shown, shown);
        const QByteArray after = ReadFile(t.csvPath);
        if (replaced)
            QVERIFY(after.endsWith(",Traditional,0\r\n"));
        else
            QCOMPARE(after, QByteArray("old\r\n"));
    }
};

QTEST_MAIN(ConvertTest)
#include "ConvertTest.moc"
