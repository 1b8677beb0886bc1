// Convert through the real window: the boxes it shows and the bytes of the CSV file it writes.
#include "CacheRecord.h"
#include "LoadDocument.h"
#include "Messages.h"
#include "Sink.h"
#include "WindowTestSupport.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(std::string)

using namespace corvane;
using namespace corvane::testing;

namespace {

const QByteArray kOakGpx =
    R"(<gpx><wpt lat="51.5" lon="-0.1"><name>GC1ABCD</name><url>http://x/GC1ABCD</url>)"
    R"(<sym>Geocache Found</sym><groundspeak:cache xmlns:groundspeak="g"><groundspeak:name>Old Oak Tree</groundspeak:name>)"
    R"(<groundspeak:type>Traditional Cache</groundspeak:type><groundspeak:container>Regular</groundspeak:container>)"
    R"(<groundspeak:difficulty>1.5</groundspeak:difficulty><groundspeak:terrain>2</groundspeak:terrain>)"
    R"(<groundspeak:encoded_hints>Under the roots</groundspeak:encoded_hints></groundspeak:cache></wpt></gpx>)";

const QByteArray kOakLine =
    R"line(WP04,51.5,-0.1,106,"Old Oak Tree (1.5/2 TR)","GC1ABCD (Hint): Under the roots","\cmate:GC1ABCD",)line"
    R"line(0.0,1,GC1ABCD,1,1,Traditional,0)line"
    "\r\n";

// Two caches, the second one placed by the user and named with an accent.
const QByteArray kTwoGpx =
    R"(<?xml version="1.0" encoding="UTF-8"?>)"
    R"(<gpx><wpt lat="51.5" lon="-0.1"><name>GC1ABCD</name><url>http://x/GC1ABCD</url><sym>Geocache</sym>)"
    R"(<groundspeak:cache xmlns:groundspeak="g"><groundspeak:name>Old Oak Tree</groundspeak:name>)"
    R"(<groundspeak:placed_by>Someone</groundspeak:placed_by><groundspeak:type>Multi-cache</groundspeak:type>)"
    R"(<groundspeak:container>Small</groundspeak:container><groundspeak:difficulty>2</groundspeak:difficulty>)"
    R"(<groundspeak:terrain>3</groundspeak:terrain></groundspeak:cache></wpt>)"
    R"(<wpt lat="52.25" lon="1.75"><name>GC2CAFE</name><url>http://x/GC2CAFE</url><sym>Geocache</sym>)"
    R"(<groundspeak:cache xmlns:groundspeak="g"><groundspeak:name>Café "Corner"</groundspeak:name>)"
    R"(<groundspeak:placed_by>Oakleaf</groundspeak:placed_by><groundspeak:type>Traditional Cache</groundspeak:type>)"
    R"(<groundspeak:container>Micro</groundspeak:container><groundspeak:difficulty>1</groundspeak:difficulty>)"
    R"(<groundspeak:terrain>1</groundspeak:terrain><groundspeak:encoded_hints>Behind the sign</groundspeak:encoded_hints>)"
    R"(</groundspeak:cache></wpt></gpx>)";

const QByteArray kNoWaypointGpx = R"(<gpx><metadata><name>empty</name></metadata></gpx>)";

const ScriptedMessageBoxes::Shown kNamesMissing{QStringLiteral("Please give me some file names to play with."), 48,
                                                QStringLiteral("Conversion")};
const ScriptedMessageBoxes::Shown kLoadFailed{
    QStringLiteral("I have a problem loading the GPX file, please check it or select another."), 48,
    QStringLiteral("Convertion")};
const ScriptedMessageBoxes::Shown kOverwrite{QStringLiteral("Overwrite the existing file?"), 36,
                                             QStringLiteral("Conversion")};
const ScriptedMessageBoxes::Shown kComplete{QStringLiteral("Complete!"), 64, QStringLiteral("Conversion")};
const ScriptedMessageBoxes::Shown kWriteFailed{
    QStringLiteral("I have a problem writing the CSV file, please check it or select another."), 48,
    QStringLiteral("Conversion")};

using Shown = std::vector<ScriptedMessageBoxes::Shown>;

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

// The inputs as plain values, for a conversion that never touches the window.
class ValuesWindow : public WindowToolkit {
public:
    std::string gpx, mm, icon, cacher;
    int hint = 0;
    bool website = false;

    std::string txtGPX() override { return gpx; }
    std::string txtMM() override { return mm; }
    std::string txtIcon() override { return icon; }
    void setTxtIcon(const std::string& text) override { icon = text; }
    std::string txtCacher() override { return cacher; }
    int chkHint() override { return hint; }
    bool optURL0() override { return website; }
    int MsgBox(const std::string&, int, const std::string&) override { return kAnswerYes; }
};

// What the engine writes for the inputs the window shows now, converted into memory
QByteArray Expected(const TestWindow& t, const std::string& codePage = {}) {
    ValuesWindow values;
    values.gpx = t.Box("txtGPX")->text().toStdString();
    values.mm = t.Box("txtMM")->text().toStdString();
    values.icon = t.Box("txtIcon")->text().toStdString();
    values.cacher = t.Box("txtCacher")->text().toStdString();
    values.hint = t.Hint()->isChecked() ? 1 : 0;
    values.website = t.Option(0)->isChecked();
    MemorySink sink;
    RunOptions options;
    options.codePage = codePage;
    options.output = &sink;
    CacheRecord record;
    LoadDocument(values, record, options);
    return QByteArray::fromStdString(sink.text());
}

// Opens a window whose boxes name gpx, written into the window's folder, and out.csv beside it.
struct ConvertWindow : TestWindow {
    QString gpxPath = dir.filePath(QStringLiteral("caches.gpx"));
    QString csvPath = dir.filePath(QStringLiteral("out.csv"));

    frmMain& OpenWith(const QByteArray& gpx) {
        WriteFile(gpxPath, gpx);
        frmMain& w = Open();
        Box("txtGPX")->setText(gpxPath);
        Box("txtMM")->setText(csvPath);
        Box("txtIcon")->setText(QStringLiteral("C:\\MM Icons\\"));
        Box("txtCacher")->setText(QStringLiteral("Oakleaf"));
        return w;
    }
    void Convert() { QTest::mouseClick(Button("cmdConvert"), Qt::LeftButton); }
};

}  // namespace

class ConvertTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void oneCacheGivesItsLineAfterTheIconTable() {
        ConvertWindow t;
        t.OpenWith(kOakGpx);
        t.Hint()->setChecked(true);
        t.Convert();
        QCOMPARE(t.boxes->shown, Shown{kComplete});
        const QByteArray csv = ReadFile(t.csvPath);
        const QList<QByteArray> lines = csv.split('\n');
        QCOMPARE(lines.size(), 82);  // 80 icon lines, the waypoint, and nothing after the last CR LF
        for (qsizetype i = 0; i < 80; ++i) {
            QVERIFY2(lines[i].startsWith("IC01 ,"), lines[i].constData());
            QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
        }
        QVERIFY(csv.endsWith(kOakLine));
        QCOMPARE(csv, Expected(t));
    }

    void everyLinkAndHintChoiceMatchesTheEngine_data() {
        QTest::addColumn<bool>("website");
        QTest::addColumn<bool>("hint");
        QTest::newRow("CacheMate, no hint") << false << false;
        QTest::newRow("CacheMate, hint") << false << true;
        QTest::newRow("website, no hint") << true << false;
        QTest::newRow("website, hint") << true << true;
    }

    void everyLinkAndHintChoiceMatchesTheEngine() {
        QFETCH(bool, website);
        QFETCH(bool, hint);
        ConvertWindow t;
        t.OpenWith(kTwoGpx);
        t.window->show();
        QTest::mouseClick(t.Option(website ? 0 : 1), Qt::LeftButton);
        if (hint) QTest::mouseClick(t.Hint(), Qt::LeftButton);
        QCOMPARE(t.Hint()->isChecked(), hint);
        t.Convert();
        QCOMPARE(t.boxes->shown, Shown{kComplete});
        const QByteArray csv = ReadFile(t.csvPath);
        QCOMPARE(csv.count("\r\nWP04,"), 2);
        QCOMPARE(csv, Expected(t));
    }

    void missingNames_data() {
        QTest::addColumn<bool>("gpxGiven");
        QTest::addColumn<bool>("csvGiven");
        QTest::newRow("no GPX") << false << true;
        QTest::newRow("no CSV") << true << false;
        QTest::newRow("neither") << false << false;
    }

    void missingNames() {
        QFETCH(bool, gpxGiven);
        QFETCH(bool, csvGiven);
        ConvertWindow t;
        t.OpenWith(kOakGpx);
        if (!csvGiven) t.Box("txtMM")->clear();
        if (!gpxGiven) t.Box("txtGPX")->clear();
        t.Convert();
        QCOMPARE(t.boxes->shown, Shown{kNamesMissing});
        QVERIFY(!QFile::exists(t.csvPath));
    }

    void gpxThatDoesNotLoad_data() {
        QTest::addColumn<QByteArray>("gpx");
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << kOakGpx << "absent.gpx";
        QTest::newRow("not well-formed") << QByteArray("<gpx><wpt></gpx>") << "caches.gpx";
    }

    void gpxThatDoesNotLoad() {
        QFETCH(QByteArray, gpx);
        QFETCH(QString, name);
        ConvertWindow t;
        t.OpenWith(gpx);
        t.Box("txtGPX")->setText(t.dir.filePath(name));
        WriteFile(t.csvPath, "old\r\n");
        t.Convert();
        QCOMPARE(t.boxes->shown, Shown{kLoadFailed});
        QCOMPARE(ReadFile(t.csvPath), QByteArray("old\r\n"));
    }

    void existingFileReplacedOnYes() {
        ConvertWindow t;
        t.OpenWith(kOakGpx);
        WriteFile(t.csvPath, "old\r\n");
        t.boxes->answers = {kAnswerYes};
        t.Convert();
        QCOMPARE(t.boxes->shown, (Shown{kOverwrite, kComplete}));
        QCOMPARE(ReadFile(t.csvPath), Expected(t));
    }

    void existingFileKeptOnNo() {
        ConvertWindow t;
        t.OpenWith(kOakGpx);
        WriteFile(t.csvPath, "old\r\n");
        t.boxes->answers = {kAnswerNo};
        t.Convert();
        QCOMPARE(t.boxes->shown, (Shown{kOverwrite, kComplete}));
        QCOMPARE(ReadFile(t.csvPath), QByteArray("old\r\n"));
    }

    void folderThatDoesNotExist() {
        ConvertWindow t;
        t.OpenWith(kOakGpx);
        const QString csv = t.dir.filePath(QStringLiteral("missing/out.csv"));
        t.Box("txtMM")->setText(csv);
        t.Convert();
        QCOMPARE(t.boxes->shown, Shown{kWriteFailed});
        QVERIFY(!QFile::exists(csv));
    }

    void iconFolderGetsItsBackslash() {
        ConvertWindow t;
        t.OpenWith(kOakGpx);
        t.Box("txtIcon")->setText(QStringLiteral("C:\\Icons"));
        t.Convert();
        QCOMPARE(t.Box("txtIcon")->text(), QStringLiteral("C:\\Icons\\"));
        QVERIFY(ReadFile(t.csvPath).startsWith("IC01 , 101, \"C:\\Icons\\EventF.bmp\"\r\n"));
    }

    // The record lives in the window: a later run starts from what the earlier one left.
    void runsFollowOneAnother() {
        ConvertWindow t;
        t.OpenWith(kTwoGpx);
        t.Convert();
        const QByteArray two = ReadFile(t.csvPath);

        WriteFile(t.gpxPath, kNoWaypointGpx);
        t.boxes->answers = {kAnswerYes};
        t.Convert();
        const QByteArray none = ReadFile(t.csvPath);
        QCOMPARE(none.count("\r\n"), 80);
        QVERIFY(!none.contains("WP04"));

        WriteFile(t.gpxPath, kTwoGpx);
        t.boxes->answers = {kAnswerYes};
        t.Convert();
        QCOMPARE(ReadFile(t.csvPath), two);
        QCOMPARE(t.boxes->shown, (Shown{kComplete, kOverwrite, kComplete, kOverwrite, kComplete}));
    }

    void encodingSettingChoosesTheCodePage_data() {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("cafe");
        QTest::addColumn<std::string>("codePage");
        QTest::newRow("utf-8") << "utf-8" << QByteArray("Caf\xC3\xA9") << std::string("utf-8");
        QTest::newRow("Windows-1252") << "Windows-1252" << QByteArray("Caf\xE9") << std::string("windows-1252");
        QTest::newRow("cp1250") << "cp1250" << QByteArray("Caf\xE9") << std::string("windows-1250");
        QTest::newRow("unknown: the default") << "klingon" << QByteArray() << std::string();
        QTest::newRow("empty: the default") << "" << QByteArray() << std::string();
    }

    void encodingSettingChoosesTheCodePage() {
        QFETCH(QString, encoding);
        QFETCH(QByteArray, cafe);
        QFETCH(std::string, codePage);
        ConvertWindow t;
        t.Store({{"Encoding", encoding}});
        t.OpenWith(kTwoGpx);
        t.Convert();
        const QByteArray csv = ReadFile(t.csvPath);
        QCOMPARE(csv, Expected(t, codePage));
        if (!cafe.isEmpty()) QVERIFY(csv.contains("\"" + cafe + " 'Corner'"));
    }
};

QTEST_MAIN(ConvertTest)
#include "ConvertTest.moc"
