// The output name that follows the GPX name, as a rule and as the window applies it.
#include "OutputName.h"
#include "WindowTestSupport.h"

#include <QStandardPaths>
#include <QTest>

using namespace corvane;
using namespace corvane::testing;

class OutputNameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void rule_data()
    {
        QTest::addColumn<QString>("gpx");
        QTest::addColumn<QString>("mm");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gpx file") << "C:\\Caches\\week.gpx" << "" << "C:\\Caches\\week.csv";
        QTest::newRow("upper case") << "C:\\CACHES\\WEEK.GPX" << "" << "C:\\CACHES\\WEEK.csv";
        QTest::newRow("other extension") << "C:\\Caches\\week.xml" << "" << "C:\\Caches\\week.csv";
        QTest::newRow("no extension") << "C:\\Caches\\week" << "" << "C:\\Caches\\wcsv";
        QTest::newRow("trailing space") << "C:\\Caches\\week.gpx " << "" << "C:\\Caches\\week.gcsv";
        QTest::newRow("three characters") << "C:\\" << "" << "csv";
        QTest::newRow("two characters") << "C:" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("output filled") << "C:\\Caches\\week.gpx" << "D:\\out.csv" << "D:\\out.csv";
        QTest::newRow("output of spaces") << "C:\\Caches\\week.gpx" << " " << " ";
        QTest::newRow("short gpx, output filled") << "C" << "D:\\out.csv" << "D:\\out.csv";
        QTest::newRow("accents") << "C:\\Cachés\\été.gpx" << "" << "C:\\Cachés\\été.csv";
        QTest::newRow("characters beyond UTF-16's plane") << "C:\\week\U0001F600\U0001F600\U0001F600" << ""
                                                          << "C:\\weekcsv";
    }

    void rule()
    {
        QFETCH(QString, gpx);
        QFETCH(QString, mm);
        QFETCH(QString, expected);
        QCOMPARE(OutputName(gpx, mm), expected);
    }

    void programSettingTheGpxBoxFillsTheEmptyOutputBox()
    {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\week.csv"));
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\month.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\week.csv"));
    }

    void typingFillsTheOutputBoxAtTheThirdCharacterOnly()
    {
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

    void clearingTheOutputBoxLetsTheNextChangeFillItAgain()
    {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.Box("txtMM")->clear();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\month.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QStringLiteral("C:\\Caches\\month.csv"));
    }

    void settingTheSameTextIsNoChange()
    {
        TestWindow t;
        t.Open();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        t.Box("txtMM")->clear();
        t.Box("txtGPX")->setText(QStringLiteral("C:\\Caches\\week.gpx"));
        QCOMPARE(t.Box("txtMM")->text(), QString());
    }

    void shortOrEmptyGpxTextLeavesTheOutputBox()
    {
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
