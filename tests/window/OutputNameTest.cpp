// The output name that follows the GPX name as the window applies it.
#include "WindowTestSupport.h"

#include <QStandardPaths>
#include <QTest>

using namespace corvane;
using namespace corvane::testing;

class OutputNameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void programSettingTheGpxBoxFillsTheEmptyOutputBox() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\week.csv"));
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\month.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\week.csv"));
    }

    void typingFillsTheOutputBoxAtTheThirdCharacterOnly() {
        TestWindow t;
        t.Open();
        t.window->show();
        QLineEdit* txtGPX = t.Box("txtGPX");
        QTest::keyClicks(txtGPX, QStringLiteral("C:"));
        QCOMPARE(t.Box("txtMM")->text(), QString());
        QTest::keyClicks(txtGPX, QStringLiteral("\\"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("csv"));
        QTest::keyClicks(txtGPX, QStringLiteral("Caches\\week.gpx"));
        QCOMPARE(txtGPX->text(), QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("csv"));
    }

    void clearingTheOutputBoxLetsTheNextChangeFillItAgain() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.Box("txtMM")->clear();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\month.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\month.csv"));
    }

    void settingTheSameTextIsNoChange() {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.Box("txtMM")->clear();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QString());
    }

    void shortOrEmptyGpxTextLeavesTheOutputBox() {
        TestWindow t;
        t.Open();
        t.window->show();
        QLineEdit* txtGPX = t.Box("txtGPX");
        txtGPX->setText(QStringLiteral("ab"));
        QCOMPARE(t.Box("txtMM")->text(), QString());
        QTest::keyClick(txtGPX, Qt::Key_Backspace);
        QTest::keyClick(txtGPX, Qt::Key_Backspace);
        QCOMPARE(txtGPX->text(), QString());
        QCOMPARE(t.Box("txtMM")->text(), QString());
    }
};

QTEST_MAIN(OutputNameTest)
#include "OutputNameTest.moc"
