// The window's controls: place in twips, captions, tooltips, focus order and keys.
#include "WindowTestSupport.h"

#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>
#include <QtMath>

using namespace corvane;
using namespace corvane::testing;

namespace {

int Pixels(int twips, int dpi) {
    return qRound(twips * dpi / 1440.0);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void window() {
        TestWindow t;
        frmMain& w = t.Open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Corvane Conversion"));
        const QSize client(Pixels(4680, w.logicalDpiX()), Pixels(4665, w.logicalDpiY()));
        QCOMPARE(w.minimumSize(), client);
        QCOMPARE(w.maximumSize(), client);
        const QList<QSize> sizes = w.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void control_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QRect>("twips");

        // Texts as a first start with nothing saved leaves them.
        QTest::newRow("txtGPX") << "QLineEdit"
                                << ""
                                << "The full path to your Geocaching GPX file" << QRect(120, 360, 3975, 285);
        QTest::newRow("cmdGPX") << "QPushButton"
                                << "..."
                                << "" << QRect(4200, 360, 375, 255);
        QTest::newRow("txtMM") << "QLineEdit"
                               << ""
                               << "The full path and name of the CSV file to create" << QRect(120, 1200, 3975, 285);
        QTest::newRow("cmdMM") << "QPushButton"
                               << "..."
                               << "" << QRect(4200, 1200, 375, 255);
        QTest::newRow("txtIcon") << "QLineEdit"
                                 << ""
                                 << "Can be a full path or a relative path ie. \\MM Icons\\"
                                 << QRect(120, 2040, 3975, 285);
        // The user name's tooltip is our own wording, checked below for what it must ask.
        QTest::newRow("txtCacher") << "QLineEdit"
                                   << ""
                                   << "" << QRect(120, 2880, 3975, 285);
        QTest::newRow("optURL0") << "QRadioButton"
                                 << "Link to Website"
                                 << "Links to a URL from Memory Map" << QRect(120, 3240, 1695, 375);
        QTest::newRow("optURL1") << "QRadioButton"
                                 << "Link to CacheMate"
                                 << "Links to CacheMate from Memeory Map" << QRect(120, 3480, 1695, 375);
        QTest::newRow("cmdConvert") << "QPushButton"
                                    << "Convert"
                                    << "Create the CSV file to import into Memory Map" << QRect(1920, 4080, 1215, 375);
        QTest::newRow("cmdClose") << "QPushButton"
                                  << "Close"
                                  << "Close Corvane" << QRect(3240, 4080, 1215, 375);
        QTest::newRow("Label1") << "QLabel"
                                << "GPX File"
                                << "" << QRect(120, 120, 1095, 255);
        QTest::newRow("Label2") << "QLabel"
                                << "Memory Map Output File"
                                << "" << QRect(120, 840, 1935, 255);
        QTest::newRow("Label3") << "QLabel"
                                << "Memory Map Icon Directory"
                                << "" << QRect(120, 1680, 3615, 255);
        QTest::newRow("Label4") << "QLabel"
                                << "Your GC Name"
                                << "" << QRect(120, 2520, 3615, 255);
        QTest::newRow("chkHint") << "QCheckBox"
                                 << "Include decoded hints in the comments."
                                 << "" << QRect(2400, 3240, 1935, 615);
    }

    void control() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QRect, twips);
        TestWindow t;
        frmMain& w = t.Open();
        auto* c = w.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(c != nullptr);
        QVERIFY(c->inherits(kind.toLatin1()));
        QCOMPARE(c->property("text").toString(), text);
        if (c->objectName() == QStringLiteral("txtCacher")) {
            QVERIFY(c->toolTip().contains(QStringLiteral("name")));
            QVERIFY(c->toolTip().contains(QStringLiteral("geocaching")));
        } else {
            QCOMPARE(c->toolTip(), toolTip);
        }
        const int dx = w.logicalDpiX();
        const int dy = w.logicalDpiY();
        QCOMPARE(c->geometry(), QRect(Pixels(twips.x(), dx), Pixels(twips.y(), dy), Pixels(twips.width(), dx),
                                      Pixels(twips.height(), dy)));
        QVERIFY(c->isEnabled());
        QVERIFY(!c->isHidden());
    }

    void startState() {
        TestWindow t;
        t.Open();
        QVERIFY(!t.Option(0)->isChecked());
        QVERIFY(t.Option(1)->isChecked());
        QVERIFY(!t.Hint()->isChecked());
    }

    void hintCaptionTogglesTheBox() {
        TestWindow t;
        t.Open();
        t.window->show();
        QCheckBox* chkHint = t.Hint();
        // The wrapped caption's second line, far right of the box.
        QTest::mouseClick(chkHint, Qt::LeftButton, {}, QPoint(chkHint->width() - 10, chkHint->height() * 3 / 4));
        QVERIFY(chkHint->isChecked());
        QTest::mouseClick(chkHint, Qt::LeftButton, {}, QPoint(5, chkHint->height() / 2));
        QVERIFY(!chkHint->isChecked());
    }

    void focusChainFollowsTheTabOrder() {
        TestWindow t;
        t.Open();
        QList<QWidget*> chain;
        QWidget* first = t.Box("txtGPX");
        QWidget* w = first;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w != t.window.get()) chain << w;
            w = w->nextInFocusChain();
        } while (w != first);
        QStringList names;
        for (QWidget* c : chain) names << c->objectName();
        QCOMPARE(names, QStringList({"txtGPX", "cmdGPX", "txtMM", "cmdMM", "txtIcon", "txtCacher", "optURL0", "optURL1",
                                     "cmdConvert", "cmdClose", "chkHint"}));
    }

    void tabFromCloseReachesTheHintThenTheGpxBox() {
        TestWindow t;
        frmMain& w = t.Open();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        t.Button("cmdClose")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.Hint());
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.Box("txtGPX"));
    }

    void noButtonIsDefault() {
        TestWindow t;
        t.Open();
        for (QPushButton* b : t.window->findChildren<QPushButton*>()) {
            QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
            QVERIFY2(!b->autoDefault(), qPrintable(b->objectName()));
        }
    }

    void enterAndEscapeClickNothing_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("txtGPX") << "txtGPX";
        QTest::newRow("txtMM") << "txtMM";
        QTest::newRow("cmdConvert") << "cmdConvert";
        QTest::newRow("cmdClose") << "cmdClose";
        QTest::newRow("cmdGPX") << "cmdGPX";
    }

    void enterAndEscapeClickNothing() {
        QFETCH(QString, focus);
        TestWindow t;
        frmMain& w = t.Open();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.findChild<QWidget*>(focus)->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(w.isVisible());
        QVERIFY(t.boxes->shown.empty());
        QVERIFY(t.dialog->calls.empty());
        QVERIFY(!QFile::exists(t.settingsFile));
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
