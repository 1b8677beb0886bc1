// The window's controls: place in twips, captions, tooltips, focus order and keys.
#include "WindowTestSupport.h"

#include <QStandardPaths>
#include <QTest>

using namespace corvane;
using namespace corvane::testing;

namespace {

// A rectangle given in twips, in w's pixels
QRect Pixels(const QRect& twips, const QWidget& w) {
    const auto x = [&](int v) { return qRound(v * w.logicalDpiX() / 1440.0); };
    const auto y = [&](int v) { return qRound(v * w.logicalDpiY() / 1440.0); };
    return {x(twips.x()), y(twips.y()), x(twips.width()), y(twips.height())};
}

// Show the window and give it the keyboard
bool Activate(frmMain& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
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
        const QSize client = Pixels(QRect(0, 0, 4680, 4665), w).size();
        QCOMPARE(w.minimumSize(), client);
        QCOMPARE(w.maximumSize(), client);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QList<QSize> sizes = w.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    // Texts as a first start with nothing saved leaves them; the user name's tooltip is checked apart.
    void control_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QRect>("twips");
        // clang-format off
        QTest::newRow("txtGPX") << "QLineEdit" << "" << "The full path to your Geocaching GPX file" << QRect(120, 360, 3975, 285);
        QTest::newRow("cmdGPX") << "QPushButton" << "..." << "" << QRect(4200, 360, 375, 255);
        QTest::newRow("txtMM") << "QLineEdit" << "" << "The full path and name of the CSV file to create" << QRect(120, 1200, 3975, 285);
        QTest::newRow("cmdMM") << "QPushButton" << "..." << "" << QRect(4200, 1200, 375, 255);
        QTest::newRow("txtIcon") << "QLineEdit" << "" << "Can be a full path or a relative path ie. \\MM Icons\\" << QRect(120, 2040, 3975, 285);
        QTest::newRow("txtCacher") << "QLineEdit" << "" << "" << QRect(120, 2880, 3975, 285);
        QTest::newRow("optURL0") << "QRadioButton" << "Link to Website" << "Links to a URL from Memory Map" << QRect(120, 3240, 1695, 375);
        QTest::newRow("optURL1") << "QRadioButton" << "Link to CacheMate" << "Links to CacheMate from Memeory Map" << QRect(120, 3480, 1695, 375);
        QTest::newRow("cmdConvert") << "QPushButton" << "Convert" << "Create the CSV file to import into Memory Map" << QRect(1920, 4080, 1215, 375);
        QTest::newRow("cmdClose") << "QPushButton" << "Close" << "Close Corvane" << QRect(3240, 4080, 1215, 375);
        QTest::newRow("Label1") << "QLabel" << "GPX File" << "" << QRect(120, 120, 1095, 255);
        QTest::newRow("Label2") << "QLabel" << "Memory Map Output File" << "" << QRect(120, 840, 1935, 255);
        QTest::newRow("Label3") << "QLabel" << "Memory Map Icon Directory" << "" << QRect(120, 1680, 3615, 255);
        QTest::newRow("Label4") << "QLabel" << "Your GC Name" << "" << QRect(120, 2520, 3615, 255);
        QTest::newRow("chkHint") << "QCheckBox" << "Include decoded hints in the comments." << "" << QRect(2400, 3240, 1935, 615);
        // clang-format on
    }

    void control() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QRect, twips);
        TestWindow t;
        frmMain& w = t.Open();
        QWidget* c = t.Find(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(c != nullptr);
        QVERIFY(c->inherits(kind.toLatin1()));
        QCOMPARE(c->property("text").toString(), text);
        if (c->objectName() == QStringLiteral("txtCacher"))  // our own wording, asking for the geocaching name
            QVERIFY(c->toolTip().contains(u"geocaching") && c->toolTip().contains(u"name"));
        else
            QCOMPARE(c->toolTip(), toolTip);
        QCOMPARE(c->geometry(), Pixels(twips, w));
        QVERIFY(c->isEnabled());
        QVERIFY(!c->isHidden());
    }

    void hintCaptionTogglesTheBox() {
        TestWindow t;
        t.Open().show();
        QCheckBox* chkHint = t.Hint();
        // The wrapped caption's second line, far right of the box.
        QTest::mouseClick(chkHint, Qt::LeftButton, {}, QPoint(chkHint->width() - 10, chkHint->height() * 3 / 4));
        QVERIFY(chkHint->isChecked());
        QTest::mouseClick(chkHint, Qt::LeftButton, {}, QPoint(5, chkHint->height() / 2));
        QVERIFY(!chkHint->isChecked());
    }

    // The chain is the tab order; Tab itself skips the unchecked option, so it is pressed only past Close.
    void tabOrder() {
        TestWindow t;
        frmMain& w = t.Open();
        QStringList names;
        QWidget* c = t.Box("txtGPX");
        do {
            if (c->focusPolicy() & Qt::TabFocus) names << c->objectName();
            c = c->nextInFocusChain();
        } while (c != t.Box("txtGPX"));
        QCOMPARE(names, QStringList({"txtGPX", "cmdGPX", "txtMM", "cmdMM", "txtIcon", "txtCacher", "optURL0", "optURL1",
                                     "cmdConvert", "cmdClose", "chkHint"}));
        QVERIFY(Activate(w));
        t.Button("cmdClose")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.Hint());
        QTest::keyClick(&w, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.Box("txtGPX"));
    }

    void enterAndEscapeClickNothing() {
        TestWindow t;
        frmMain& w = t.Open();
        for (QPushButton* b : w.findChildren<QPushButton*>())
            QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
        QVERIFY(Activate(w));
        for (const char* focus : {"txtGPX", "txtMM", "cmdGPX", "cmdConvert", "cmdClose"}) {
            t.Find(QLatin1String(focus))->setFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(QApplication::focusWidget(), key);
        }
        QVERIFY(w.isVisible());
        QVERIFY(t.boxes->shown.empty());
        QVERIFY(t.dialog->calls.empty());
        QVERIFY(!QFile::exists(t.settingsFile));
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
