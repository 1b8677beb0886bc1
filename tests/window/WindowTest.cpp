// What the Qt window adds: its controls, its dialogs and boxes, its ini file, dropped files, the
// worker and the icon set as Qt reads it back; the handlers' rules are tested over a fake view,
// the conversion itself with the engine.
#include "BmpFile.h"
#include "IconSet.h"
#include "Messages.h"
#include "QtMessageBox.h"
#include "Support.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace corvane;
using namespace corvane::testing;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void controls() {
        TestWindow t;
        QtWindow& w = t.Open();
        w.show();
        // The wrapped caption's second line, far right of the box, toggles it too.
        QTest::mouseClick(t.Hint(), Qt::LeftButton, {}, QPoint(t.Hint()->width() - 10, t.Hint()->height() * 3 / 4));
        QVERIFY(t.Hint()->isChecked());
        // Enter and Escape click nothing, not even a focused button.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        t.Button("cmdConvert")->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(t.Button("cmdConvert"), key);
        QVERIFY(w.isVisible() && t.boxes->shown.isEmpty());
        // Placed as the layout draws them, which keeps the option buttons apart.
        QVERIFY(!t.Option(0)->geometry().intersects(t.Option(1)->geometry()));
    }

    // Of a pocket query's two files, the caches file is taken.
    void droppedLocalFilesBecomeTheGpxFile() {
        TestWindow t;
        t.Open();
        for (const bool local : {false, true}) {
            QMimeData data;
            data.setUrls(local
                             ? QList{QUrl::fromLocalFile("/data/week-wpts.gpx"), QUrl::fromLocalFile("/data/week.gpx")}
                             : QList{QUrl("https://example.org/a.gpx")});
            QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            for (QEvent* event : std::initializer_list<QEvent*>{&enter, &drop})
                QApplication::sendEvent(t.Box("txtMM"), event);
            QCOMPARE(t.Box("txtGPX")->text(), local ? QDir::toNativeSeparators("/data/week.gpx") : QString());
        }
    }

    // Each browse shows a Qt dialog of its own, gone when it closes, whose name field starts with the name given;
    // a name typed without an extension gets the default one.
    void qtFileDialogStartsWithTheNameGiven() {
        QStandardPaths::setTestModeEnabled(true);
        QWidget parent;
        QtFileDialog dialog(&parent);
        QStringList seen;
        for (const QString name : {"week.gpx", "out.csv"}) {
            QTimer::singleShot(0, [&] {
                auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>("fileNameEdit");
                seen << edit->text();
                edit->setText(QDir::temp().filePath(name).remove(".csv"));
                QMetaObject::invokeMethod(QApplication::activeModalWidget(), "accept");
            });
            QCOMPARE(dialog.ChooseFile("All Files (*)", QDir::tempPath(), name, "csv"), QDir::temp().filePath(name));
            QVERIFY(parent.findChildren<QFileDialog*>().isEmpty());
        }
        QCOMPARE(seen, QStringList({"week.gpx", "out.csv"}));
    }

    // A question answers with the button the user clicks; a reason shows under the fixed text; a box
    // with a short prompt is still wide enough for its whole title. What the work throws on the worker
    // is thrown again on the window's thread, where the handlers catch it.
    void qtMessageBoxesAndTheWorkerHandsOnItsFailure() {
        CancellingFileDialog dialog;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 QtFormView({}, dialog, nullptr).RunOnWorker([] { throw std::runtime_error("x"); }));
        for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
            QTimer::singleShot(0, [button] {
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(button)->click();
            });
            QCOMPARE(ShowMessageBox("Overwrite?", BoxKind::Question, "Conversion", nullptr, "/data/out.csv"),
                     button == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No);
        }
        QCOMPARE(MakeMessageBox("p", BoxKind::Warning, "t", nullptr, "why")->informativeText(), QString("why"));
        const auto box = MakeMessageBox("Complete!", BoxKind::Information, "Conversion", nullptr);
        const auto narrow = MakeMessageBox("Complete!", BoxKind::Information, "", nullptr);
        box->show();
        narrow->show();
        QVERIFY(box->width() >= narrow->width());
        QVERIFY(box->width() >= box->fontMetrics().horizontalAdvance("Conversion") + 100);
    }

    // The menu bar's Options menu holds the window's menu entries, which the form's own context
    // menu offers too, and the controls keep their places in the client area below the bar.
    // "Icons by cache type", one of them, is kept as Kinds and read by Convert with the other
    // controls (the link pair as stored, the hint box as ticked); the run goes on a worker while
    // the window shows its boxes and sets the icon box afterwards. "Write Corvane's Icons Here"
    // runs its handler. The GPX file named as the CSV file too is refused in a box.
    void optionsMenuBarAndConvert() {
        for (const QString kinds : {"Type", ""}) {
            TestWindow t;
            t.settings.setValue("Startup/Encoding", "utf-8");
            // A list as a hand-edited file without quotes gives it, and back as the window writes it.
            if (!kinds.isEmpty())
                t.settings.setValue("Startup/Kinds", kinds), t.settings.setValue("Startup/Include", "U"),
                    t.settings.setValue("Startup/LeaveOut", QStringList{"found", "unavailable"});
            QtWindow& w = t.Open();
            w.show();
            const QMenuBar* bar = w.findChild<QMenuBar*>();
            QMenu* options = bar->actions().value(0)->menu();
            QCOMPARE(options->title(), QStringLiteral("Options"));
            QCOMPARE(options->actions().size(), qsizetype(kOptionsMenu.size()));
            QCOMPARE(w.actions(), options->actions());
            QCOMPARE(w.contextMenuPolicy(), Qt::ActionsContextMenu);
            const auto pixels = [&w](int twips) { return TwipsToPixels(twips, w.logicalDpiX()); };
            QCOMPARE(t.Box("txtGPX")->mapTo(&w, QPoint()), QPoint(pixels(120), bar->height() + pixels(360)));
            QCOMPARE(w.size(), QSize(pixels(kFormWidth), bar->height() + pixels(kFormHeight)));
            auto* entry = options->findChild<QAction*>("mnuIconsByType");
            QCOMPARE(entry->isChecked(), kinds == "Type");
            QCOMPARE(options->findChild<QAction*>("mnuLeaveOutUnavailable")->isChecked(), kinds == "Type");
            entry->trigger();
            t.Box("txtIcon")->setText(" ");
            options->actions().last()->trigger();
            TempDir dir;
            const std::string out = dir.Write("out.csv", "old");
            const QString gpx = QString::fromStdString(dir.Write("oak.gpx", kOakGpx));
            t.Box("txtGPX")->setText(gpx), t.Box("txtMM")->setText(gpx);
            t.boxes->answer = BoxAnswer::Yes;
            QTest::mouseClick(t.Button("cmdConvert"), Qt::LeftButton);
            QCOMPARE(ReadFile(gpx.toStdString()), std::string(kOakGpx));
            t.Box("txtMM")->setText(QString::fromStdString(out));
            t.Box("txtIcon")->setText("C:\\Icons"), t.Box("txtCacher")->setText("Alice"), t.Hint()->setChecked(true);
            QTest::mouseClick(t.Button("cmdConvert"), Qt::LeftButton);
            QCOMPARE(
                t.boxes->shown,
                QStringList({"Please name the icon folder first.|warning|Memory Map Icons|",
                             QString::fromUtf8(kMsgWriteFailed.prompt) + "|warning|Conversion|" + gpx +
                                 ": the file is the GPX file being converted",
                             "Overwrite the existing file?|question|Conversion|" + QString::fromStdString(out),
                             "Complete!|information|Conversion|1 waypoint written to " + QString::fromStdString(out)}));
            QCOMPARE(t.Box("txtIcon")->text(), QStringLiteral("C:\\Icons\\"));
            const std::vector<std::string> lines = Lines(ReadFile(out));
            QCOMPARE(lines.size(), kinds == "Type" ? 81u : 88u);
            QCOMPARE(QString::fromStdString(lines.back()),
                     QString::fromStdString(OakLine("306", "\xC3\xA9", kinds == "Type", true)));
            t.window->close();
            t.settings.sync();
            QCOMPARE(t.settings.value("Startup/Kinds").toString(), kinds == "Type" ? "Container" : "Type");
            QCOMPARE(t.settings.value("Startup/LeaveOut").toString(), kinds == "Type" ? "found,unavailable" : "");
        }
    }

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

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
