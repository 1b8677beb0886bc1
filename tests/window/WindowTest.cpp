// The window adds its controls, its dialogs, the output name that follows the GPX box, dropped
// files and the wiring of Convert to the controls; the conversion itself is the engine's.
#include "InitialDirectory.h"
#include "Support.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace corvane;
using namespace corvane::testing;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void controls() {
        TestWindow t;
        frmMain& w = t.Open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Corvane Conversion"));
        const QSize client(qRound(4680 * w.logicalDpiX() / 1440.0), qRound(4665 * w.logicalDpiY() / 1440.0));
        QVERIFY(w.minimumSize() == client && w.maximumSize() == client);
        const QRect cmdConvert(1920, 4080, 1215, 375);  // one control's place, given in twips
        QCOMPARE(t.Button("cmdConvert")->x(), qRound(cmdConvert.x() * w.logicalDpiX() / 1440.0));
        QCOMPARE(t.Button("cmdConvert")->height(), qRound(cmdConvert.height() * w.logicalDpiY() / 1440.0));
        // The wrapped caption's second line, far right of the box, toggles it too.
        w.show();
        QTest::mouseClick(t.Hint(), Qt::LeftButton, {}, QPoint(t.Hint()->width() - 10, t.Hint()->height() * 3 / 4));
        QVERIFY(t.Hint()->isChecked());
        // Enter and Escape click nothing, not even a focused button.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        t.Button("cmdConvert")->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(t.Button("cmdConvert"), key);
        QVERIFY(w.isVisible() && t.boxes->shown.isEmpty());
    }

    void outputNameFollowsTheGpxBox() {
        const QString rows[][3] = {{"", "C:\\Caches\\week.gpx", "C:\\Caches\\week.csv"},
                                   {"D:\\all.csv", "C:\\Caches\\week.gpx", "D:\\all.csv"},
                                   {"  ", "C:\\Caches\\week.gpx", "  "},
                                   {"", "ab", ""}};
        for (const auto& [output, gpx, expected] : rows) {
            TestWindow t;
            t.Open();
            t.Box("txtMM")->setText(output);
            t.Box("txtGPX")->setText(gpx);
            QCOMPARE(t.Box("txtMM")->text(), expected);
        }
    }

    void browseButtons() {
        TestWindow t;
        t.Open();
        t.dialog->next = {"/data/caches/week.gpx", "/data/out/new.csv"};
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QCOMPARE(t.Box("txtGPX")->text(), QDir::toNativeSeparators("/data/caches/week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QDir::toNativeSeparators("/data/out/new.csv"));
        // A cancel, or a dialog that fails, leaves the box as it was and says nothing.
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        t.dialog->fail = true;
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QCOMPARE(t.Box("txtGPX")->text(), QDir::toNativeSeparators("/data/caches/week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QDir::toNativeSeparators("/data/out/new.csv"));
        QVERIFY(t.boxes->shown.isEmpty());
        const QString gpx = "GPX Files (*.gpx);;All Files (*.*)|", csv = "CSV (*.csv);;All Files (*.*)|";
        QCOMPARE(t.dialog->calls, QStringList({gpx, csv + QDir::toNativeSeparators("/data/caches/"), gpx + QDir::toNativeSeparators("/data/caches/"),
                                               csv + QDir::toNativeSeparators("/data/out/")}));
    }

    void initialFolderIsTheBoxUpToItsLastSeparator() {
        const QString rows[][2] = {{" C:\\Caches\\week.gpx ", "C:\\Caches\\"}, {"   ", ""},
                                   {"\tC:\\Caches\\week.gpx", "\tC:\\Caches\\"}, {"C:\\Caches/week.gpx", "C:\\Caches/"},
                                   {"/home/me\\week.csv", "/home/me\\"},         {"week.csv", ""}};
        for (const auto& [box, folder] : rows) QCOMPARE(InitialDirectory(box), folder);
    }

    void aDroppedFileAnywhereBecomesTheGpxFile() {
        TestWindow t;
        t.Open();
        for (const bool local : {false, true}) {
            QMimeData data;
            data.setUrls({local ? QUrl::fromLocalFile("/data/week.gpx") : QUrl("https://example.org/a.gpx")});
            QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(t.Box("txtMM"), &enter);
            QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(t.Box("txtMM"), &drop);
            QCOMPARE(t.Box("txtGPX")->text(), local ? QDir::toNativeSeparators("/data/week.gpx") : QString());
        }
    }

    void qtDialogs() {
        // The question box answers Yes or No with the button the user clicks.
        QtMessageBoxes boxes(nullptr);
        for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
            QTimer::singleShot(0, [button] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->button(button)->click();
            });
            QCOMPARE(boxes.MsgBox("Overwrite the existing file?", kStyleQuestion, "Conversion"),
                     button == QMessageBox::Yes ? kAnswerYes : kAnswerNo);
        }
        // The file dialog starts with the name chosen last, whichever button that was.
        QTemporaryDir dir;
        QtFileDialog files(nullptr);
        QFileDialog& d = files.dialog();
        QTimer::singleShot(0, &d, [&] {
            d.selectFile(QStringLiteral("new.csv"));
            static_cast<QDialog&>(d).accept();  // as the dialog's Open button does
            if (d.isVisible()) d.reject();
        });
        QCOMPARE(files.ChooseFile("CSV (*.csv)", dir.path() + u'/'), std::optional(dir.filePath("new.csv")));
        QString field;
        QTimer::singleShot(0, &d, [&] {
            field = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            d.reject();
        });
        QCOMPARE(files.ChooseFile("GPX Files (*.gpx)", dir.path()), std::nullopt);
        QCOMPARE(field, QStringLiteral("new.csv"));
    }

    // Convert reads every control and the "Encoding" setting, and answers the question through its boxes.
    void convertReadsTheControls() {
        TestWindow t;
        t.Store("Encoding", "utf-8");
        t.Open();
        const std::string csv = TempDir().path("");  // a name no file has
        TempDir dir;
        t.Box("txtGPX")->setText(QString::fromStdString(dir.Write("oak.gpx", kOakGpx)));
        t.Box("txtMM")->setText(QString::fromStdString(dir.path("out.csv")));
        t.Box("txtIcon")->setText("C:\\Icons");
        t.Box("txtCacher")->setText("Alice");
        t.Option(0)->setChecked(true);
        t.Hint()->setChecked(true);
        QTest::mouseClick(t.Button("cmdConvert"), Qt::LeftButton);
        QCOMPARE(t.Box("txtIcon")->text(), QStringLiteral("C:\\Icons\\"));
        const auto lines = Lines(ReadFile(dir.path("out.csv")));
        QCOMPARE(lines.at(80), OakLine("306", "\xC3\xA9", true, true));
        dir.Write("out.csv", "old");
        QTest::mouseClick(t.Button("cmdConvert"), Qt::LeftButton);
        QCOMPARE(t.boxes->shown, QStringList({"Complete!|64|Conversion", "Overwrite the existing file?|36|Conversion",
                                              "Complete!|64|Conversion"}));
        QCOMPARE(ReadFile(dir.path("out.csv")), "old");
    }

    void settingsChooseTheLinkAndTheHint() {
        const QString rows[][2] = {{"C", "Y"}, {"U", "N"}, {"c", "y"}, {"", ""}};
        for (const auto& [include, hint] : rows) {
            TestWindow t;
            if (!include.isEmpty()) t.Store("Include", include), t.Store("Hint", hint);
            t.Open();
            QCOMPARE(t.Option(1)->isChecked(), include == "C" || include.isEmpty());
            QCOMPARE(t.Hint()->isChecked(), hint == "Y");
            QCOMPARE(t.Box("txtIcon")->text(), QString());
        }
    }

    // Spaces survive loading and saving; Encoding is never written. Close and the close box both save.
    void closingSavesEveryValue() {
        for (const bool byButton : {true, false}) {
            TestWindow t;
            t.Store("GPXPath", " C:\\week.gpx");
            t.Store("CSVPath", "");
            t.Store("Name", " Oak ");
            t.Open().show();
            QCOMPARE(t.Box("txtMM")->text(), QString());  // the saved CSV path replaces the derived one
            t.Box("txtIcon")->setText("D:\\Icons ");
            t.Option(byButton ? 0 : 1)->setChecked(true);
            t.Hint()->setChecked(byButton);
            if (byButton)
                QTest::mouseClick(t.Button("cmdClose"), Qt::LeftButton);
            else
                t.window->close();
            QVERIFY(!t.window->isVisible());
            const QVariantList stored{t.Stored("GPXPath"), t.Stored("CSVPath"), t.Stored("IconPath"),
                                      t.Stored("Name"),    t.Stored("Include"), t.Stored("Hint"),
                                      t.Stored("Encoding")};
            QCOMPARE(stored, QVariantList({" C:\\week.gpx", "", "D:\\Icons ", " Oak ", byButton ? "U" : "C",
                                           byButton ? "Y" : "N", QVariant()}));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
