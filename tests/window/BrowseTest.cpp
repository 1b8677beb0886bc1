// The two browse buttons: the folder and filter they hand the dialog, and what they do with its answer.
#include "InitialDirectory.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

using namespace corvane;
using namespace corvane::testing;

namespace {

// Drag data onto target and drop it there; true when the drop was taken
bool Drop(QWidget* target, QMimeData* data) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

const QString kGpxFilter = QStringLiteral("GPX Files (*.gpx);;All Files (*.*)");
const QString kCsvFilter = QStringLiteral("CSV (*.csv);;All Files (*.*)");

}  // namespace

class BrowseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void initialDirectory_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full path") << "C:\\Caches\\week.gpx"
                                   << "C:\\Caches\\";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("bare name") << "week.gpx"
                                   << "";
        QTest::newRow("leading space") << " C:\\Caches\\week.gpx"
                                       << "C:\\Caches\\";
        QTest::newRow("trailing spaces") << "C:\\Caches\\week.gpx  "
                                         << "C:\\Caches\\";
        QTest::newRow("drive root") << "C:\\"
                                    << "C:\\";
        QTest::newRow("only spaces") << "   "
                                     << "";
        QTest::newRow("slashes") << "/home/me/caches/week.gpx"
                                 << "/home/me/caches/";
        QTest::newRow("mixed, slash last") << "C:\\Caches/week.gpx"
                                           << "C:\\Caches/";
        QTest::newRow("mixed, backslash last") << "/home/me\\week.gpx"
                                               << "/home/me\\";
        QTest::newRow("tab is no space") << "\tC:\\Caches\\week.gpx"
                                         << "\tC:\\Caches\\";
    }

    void initialDirectory() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(InitialDirectory(text), expected);
    }

    void gpxButtonOpensInTheGpxFolder() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral(" C:\\Caches\\week.gpx"));
        t.Box("txtMM")->setText(QStringLiteral("D:\\Out\\week.csv"));
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QCOMPARE(t.dialog->calls.size(), std::size_t{1});
        QCOMPARE(t.dialog->calls[0].filter, kGpxFilter);
        QCOMPARE(t.dialog->calls[0].initialDirectory, QStringLiteral("C:\\Caches\\"));
    }

    void csvButtonOpensInTheCsvFolder() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.Box("txtMM")->setText(QStringLiteral("/home/me/out/week.csv "));
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QCOMPARE(t.dialog->calls.size(), std::size_t{1});
        QCOMPARE(t.dialog->calls[0].filter, kCsvFilter);
        QCOMPARE(t.dialog->calls[0].initialDirectory, QStringLiteral("/home/me/out/"));
    }

    void emptyBoxLeavesTheFolderToTheDialog() {
        TestWindow t;
        t.Open();
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        t.Box("txtMM")->setText(QStringLiteral("week.csv"));
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QCOMPARE(t.dialog->calls.size(), std::size_t{2});
        QCOMPARE(t.dialog->calls[0].initialDirectory, QString());
        QCOMPARE(t.dialog->calls[1].initialDirectory, QString());
    }

    void chosenGpxFileFillsBothBoxesOnce() {
        TestWindow t;
        t.Open();
        const QString week = QDir::toNativeSeparators(QStringLiteral("/data/caches/week.gpx"));
        const QString month = QDir::toNativeSeparators(QStringLiteral("/data/caches/month.gpx"));
        t.dialog->next = {QStringLiteral("/data/caches/week.gpx"), QStringLiteral("/data/caches/month.gpx")};
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QCOMPARE(t.Box("txtGPX")->text(), week);
        QCOMPARE(t.Box("txtMM")->text(), QDir::toNativeSeparators(QStringLiteral("/data/caches/week.csv")));
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QCOMPARE(t.Box("txtGPX")->text(), month);
        QCOMPARE(t.Box("txtMM")->text(), QDir::toNativeSeparators(QStringLiteral("/data/caches/week.csv")));
        QCOMPARE(t.dialog->calls[1].initialDirectory, QDir::toNativeSeparators(QStringLiteral("/data/caches/")));
    }

    void chosenCsvFileFillsOnlyTheOutputBox() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.dialog->next = {QStringLiteral("/data/out/new.csv")};
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QCOMPARE(t.Box("txtMM")->text(), QDir::toNativeSeparators(QStringLiteral("/data/out/new.csv")));
        QCOMPARE(t.Box("txtGPX")->text(), QStringLiteral("C:\\Caches\\week.gpx"));
    }

    void cancelChangesNothing() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.Box("txtMM")->clear();
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QCOMPARE(t.dialog->calls.size(), std::size_t{2});
        QCOMPARE(t.Box("txtMM")->text(), QString());
        QCOMPARE(t.Box("txtGPX")->text(), QStringLiteral("C:\\Caches\\week.gpx"));
        QVERIFY(t.boxes->shown.empty());
    }

    void failingDialogIsSwallowed() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.dialog->fail = true;
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QCOMPARE(t.dialog->calls.size(), std::size_t{2});
        QCOMPARE(t.Box("txtGPX")->text(), QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\week.csv"));
        QVERIFY(t.boxes->shown.empty());
    }

    void droppedFileBecomesTheGpxFile_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("on the window") << "frmMain";
        QTest::newRow("on the output box") << "txtMM";
        QTest::newRow("on a label") << "Label3";
    }

    void droppedFileBecomesTheGpxFile() {
        QFETCH(QString, target);
        TestWindow t;
        frmMain& w = t.Open();
        QWidget* on = target == w.objectName() ? &w : w.findChild<QWidget*>(target);
        QMimeData data;
        data.setUrls({QUrl(QStringLiteral("https://example.org/a.gpx")),
                      QUrl::fromLocalFile(QStringLiteral("/data/caches/week.gpx"))});
        QVERIFY(Drop(on, &data));
        QCOMPARE(t.Box("txtGPX")->text(), QDir::toNativeSeparators(QStringLiteral("/data/caches/week.gpx")));
        QCOMPARE(t.Box("txtMM")->text(), QDir::toNativeSeparators(QStringLiteral("/data/caches/week.csv")));
    }

    void droppedTextOrWebLinkIsNoFile() {
        TestWindow t;
        t.Open();
        QMimeData text;
        text.setText(QStringLiteral("week.csv"));
        QVERIFY(Drop(t.Box("txtMM"), &text));  // the box takes it as typed text
        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.org/a.gpx"))});
        QVERIFY(!Drop(t.window.get(), &web));
        QCOMPARE(t.Box("txtGPX")->text(), QString());
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("week.csv"));
    }

    void browsingSavesNothing() {
        TestWindow t;
        t.Open();
        t.dialog->next = {QStringLiteral("/data/caches/week.gpx"), QStringLiteral("/data/out/new.csv")};
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QVERIFY(!QFile::exists(t.settingsFile));
    }
};

QTEST_MAIN(BrowseTest)
#include "BrowseTest.moc"
