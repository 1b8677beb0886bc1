// What the Qt window adds: its controls, its dialogs and boxes, its ini file, dropped files and the
// worker; the handlers' rules are tested over a fake view, the conversion itself with the engine.
#include "Support.h"
#include "WindowTestSupport.h"

#include <QAction>
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
    void controls() {
        TestWindow t;
        frmMain& w = t.Open();
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

    void aDroppedLocalFileBecomesTheGpxFile() {
        TestWindow t;
        t.Open();
        for (const bool local : {false, true}) {
            QMimeData data;
            data.setUrls({local ? QUrl::fromLocalFile("/data/week.gpx") : QUrl("https://example.org/a.gpx")});
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

    // The question box answers with the button the user clicks; a reason shows under the fixed text; a
    // box with a short prompt is still wide enough for its whole title.
    void boxesAnswerAndShowTheirDetailAndTheirWholeTitle() {
        QtMessageBoxes boxes(nullptr);
        for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
            QTimer::singleShot(0, [button] {
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(button)->click();
            });
            QCOMPARE(boxes.MsgBox("Overwrite the existing file?", kStyleQuestion, "Conversion", "/data/out.csv"),
                     button == QMessageBox::Yes ? kAnswerYes : kAnswerNo);
        }
        QCOMPARE(MakeMessageBox("p", kStyleExclamation, "t", nullptr, "why")->informativeText(), QString("why"));
        const auto box = MakeMessageBox("Complete!", kStyleInformation, "Conversion", nullptr);
        const auto narrow = MakeMessageBox("Complete!", kStyleInformation, "", nullptr);
        box->show();
        narrow->show();
        QVERIFY(box->width() >= narrow->width());
        QVERIFY(box->width() >= box->fontMetrics().horizontalAdvance("Conversion") + 100);
    }

    // "Icons by cache type" is an entry of the form's own context menu, kept as Kinds, read by Convert
    // with the other controls; the run goes on a worker while the window shows its boxes and sets
    // the icon box afterwards.
    void iconsByCacheTypeIsAFormMenuEntry() {
        for (const QString kinds : {"Type", ""}) {
            TestWindow t;
            if (!kinds.isEmpty()) t.settings.setValue("Startup/Kinds", kinds);
            t.Open();
            auto* entry = t.window->findChild<QAction*>("mnuIconsByType");
            QVERIFY(entry && entry->isCheckable() && t.window->actions().contains(entry));
            QCOMPARE(t.window->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(entry->isChecked(), kinds == "Type");
            entry->toggle();
            TempDir dir;
            const std::string out = dir.Write("out.csv", "old");
            t.Box("txtGPX")->setText(QString::fromStdString(dir.Write("oak.gpx", kOakGpx)));
            t.Box("txtMM")->setText(QString::fromStdString(out));
            t.Box("txtIcon")->setText("C:\\Icons"), t.Box("txtCacher")->setText("Alice"), t.Hint()->setChecked(true);
            t.boxes->answer = kAnswerYes;
            QTest::mouseClick(t.Button("cmdConvert"), Qt::LeftButton);
            QCOMPARE(t.boxes->shown,
                     QStringList({"Overwrite the existing file?|36|Conversion|" + QString::fromStdString(out),
                                  "Complete!|64|Conversion|1 waypoint written to " + QString::fromStdString(out)}));
            QCOMPARE(t.Box("txtIcon")->text(), QStringLiteral("C:\\Icons\\"));
            const std::vector<std::string> lines = Lines(ReadFile(out));
            QCOMPARE(lines.size(), kinds == "Type" ? 81u : 88u);
            QVERIFY(lines.back().starts_with("WP04,51.5,-0.1,306,") &&
                    lines.back().find("(Hint): Under") != std::string::npos);
            t.window->close();
            t.settings.sync();
            QCOMPARE(t.settings.value("Startup/Kinds").toString(), kinds == "Type" ? "Container" : "Type");
        }
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
