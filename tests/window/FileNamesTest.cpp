// The two file-name boxes: the browse buttons, dropped files, and the output name that follows the GPX name.
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

QString Native(const char* path) {
    return QDir::toNativeSeparators(QString::fromLatin1(path));
}

}  // namespace

class FileNamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void settingTheGpxBox_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("gpx");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("empty box is filled") << "" << "C:\\Caches\\week.gpx" << "C:\\Caches\\week.csv";
        QTest::newRow("filled box stands") << "D:\\Out\\all.csv" << "C:\\Caches\\week.gpx" << "D:\\Out\\all.csv";
        QTest::newRow("blanks stand") << "  " << "C:\\Caches\\week.gpx" << "  ";
        QTest::newRow("two characters") << "" << "ab" << "";
        // clang-format on
    }

    void settingTheGpxBox() {
        QFETCH(QString, output);
        QFETCH(QString, gpx);
        QFETCH(QString, expected);
        TestWindow t;
        t.Open();
        t.Box("txtMM")->setText(output);
        t.Box("txtGPX")->setText(gpx);
        QCOMPARE(t.Box("txtMM")->text(), expected);
    }

    void typingFillsTheOutputBoxAtTheThirdCharacterOnly() {
        TestWindow t;
        t.Open().show();
        QLineEdit* txtGPX = t.Box("txtGPX");
        QLineEdit* txtMM = t.Box("txtMM");
        QTest::keyClicks(txtGPX, QStringLiteral("C:"));
        QCOMPARE(txtMM->text(), QString());
        QTest::keyClicks(txtGPX, QStringLiteral("\\"));
        QCOMPARE(txtMM->text(), QStringLiteral("csv"));
        QTest::keyClicks(txtGPX, QStringLiteral("Caches\\week.gpx"));
        QCOMPARE(txtMM->text(), QStringLiteral("csv"));
        // Emptied, the output box is filled by the next change that gives a name, and an empty GPX box gives none.
        txtMM->clear();
        txtGPX->selectAll();
        QTest::keyClick(txtGPX, Qt::Key_Backspace);
        QCOMPARE(txtMM->text(), QString());
        txtGPX->setText(QStringLiteral("C:\\Caches\\month.gpx"));
        QCOMPARE(txtMM->text(), QStringLiteral("C:\\Caches\\month.csv"));
    }

    // The other box names another folder, so each button is seen to read its own box.
    void browseThatChoosesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fail");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("folder");
        const QString gpx = QStringLiteral("GPX Files (*.gpx);;All Files (*.*)");
        const QString csv = QStringLiteral("CSV (*.csv);;All Files (*.*)");
        // clang-format off
        QTest::newRow("GPX, leading space") << "cmdGPX" << " C:\\Caches\\week.gpx" << false << gpx << "C:\\Caches\\";
        QTest::newRow("GPX, only spaces") << "cmdGPX" << "   " << false << gpx << "";
        QTest::newRow("GPX, tab is no space") << "cmdGPX" << "\tC:\\Caches\\week.gpx" << false << gpx << "\tC:\\Caches\\";
        QTest::newRow("GPX, mixed, slash last") << "cmdGPX" << "C:\\Caches/week.gpx" << false << gpx << "C:\\Caches/";
        QTest::newRow("CSV, mixed, backslash last") << "cmdMM" << "/home/me\\week.csv" << false << csv << "/home/me\\";
        QTest::newRow("CSV, slashes, trailing space") << "cmdMM" << "/home/me/out/week.csv " << false << csv << "/home/me/out/";
        QTest::newRow("CSV, bare name") << "cmdMM" << "week.csv" << false << csv << "";
        QTest::newRow("CSV, empty box") << "cmdMM" << "" << false << csv << "";
        QTest::newRow("CSV, dialog fails") << "cmdMM" << "D:\\Out\\all.csv" << true << csv << "D:\\Out\\";
        // clang-format on
    }

    void browseThatChoosesNothing() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(bool, fail);
        QFETCH(QString, filter);
        QFETCH(QString, folder);
        TestWindow t;
        t.Open();
        const QString gpx = button == "cmdGPX" ? text : QStringLiteral("Z:\\Other\\a.gpx");
        const QString csv = button == "cmdMM" ? text : QStringLiteral("Y:\\Else\\b.csv");
        t.Box("txtGPX")->setText(gpx);
        t.Box("txtMM")->setText(csv);
        t.dialog->fail = fail;
        QTest::mouseClick(t.Find<QPushButton>(button), Qt::LeftButton);
        QCOMPARE(t.dialog->calls.size(), std::size_t{1});
        QCOMPARE(t.dialog->calls[0].filter, filter);
        QCOMPARE(t.dialog->calls[0].initialDirectory, folder);
        QCOMPARE(t.Box("txtGPX")->text(), gpx);
        QCOMPARE(t.Box("txtMM")->text(), csv);
        QVERIFY(t.boxes->shown.empty());
    }

    void chosenFilesFillTheirBoxes() {
        TestWindow t;
        t.Open();
        t.dialog->next = {"/data/caches/week.gpx", "/data/caches/month.gpx", "/data/out/new.csv"};
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QCOMPARE(t.Texts().mid(0, 2), QStringList({Native("/data/caches/week.gpx"), Native("/data/caches/week.csv")}));
        QTest::mouseClick(t.Button("cmdGPX"), Qt::LeftButton);
        QCOMPARE(t.Texts().mid(0, 2), QStringList({Native("/data/caches/month.gpx"), Native("/data/caches/week.csv")}));
        QCOMPARE(t.dialog->calls[1].initialDirectory, Native("/data/caches/"));
        QTest::mouseClick(t.Button("cmdMM"), Qt::LeftButton);
        QCOMPARE(t.Texts().mid(0, 2), QStringList({Native("/data/caches/month.gpx"), Native("/data/out/new.csv")}));
        QCOMPARE(t.dialog->calls.size(), std::size_t{3});  // both buttons, one dialog
    }

    void drop_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("gpx");
        const QUrl web(QStringLiteral("https://example.org/a.gpx"));
        const QList<QUrl> file{web, QUrl::fromLocalFile(QStringLiteral("/data/caches/week.gpx"))};
        const QString week = Native("/data/caches/week.gpx");
        // clang-format off
        QTest::newRow("file on the window") << "frmMain" << file << "" << true << week;
        QTest::newRow("file on the output box") << "txtMM" << file << "" << true << week;
        QTest::newRow("file on a label") << "Label3" << file << "" << true << week;
        QTest::newRow("web link") << "frmMain" << QList<QUrl>{web} << "" << false << "";
        QTest::newRow("text, taken by the box as typed") << "txtMM" << QList<QUrl>{} << "week.csv" << true << "";
        // clang-format on
    }

    void drop() {
        QFETCH(QString, target);
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QFETCH(QString, gpx);
        TestWindow t;
        frmMain& w = t.Open();
        QMimeData data;
        if (!urls.isEmpty()) data.setUrls(urls);
        if (!text.isEmpty()) data.setText(text);
        QCOMPARE(Drop(target == w.objectName() ? &w : t.Find(target), &data), taken);
        QCOMPARE(t.Box("txtGPX")->text(), gpx);
    }
};

QTEST_MAIN(FileNamesTest)
#include "FileNamesTest.moc"
