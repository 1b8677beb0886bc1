// Qt's own file dialog and message boxes behind the window's seams, set up as the window needs them.
#include "FileDialog.h"
#include "MessageBoxes.h"
#include "WindowToolkit.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace corvane;

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void messageBoxByStyle_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::newRow("48 exclamation") << 48 << int(QMessageBox::Warning) << int(QMessageBox::Ok);
        QTest::newRow("36 question") << 36 << int(QMessageBox::Question) << int(QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("64 information") << 64 << int(QMessageBox::Information) << int(QMessageBox::Ok);
    }

    void messageBoxByStyle() {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QWidget parent;
        const auto box = MakeMessageBox(QStringLiteral("Overwrite the existing file?"), style,
                                        QStringLiteral("Conversion"), &parent);
        QCOMPARE(box->text(), QStringLiteral("Overwrite the existing file?"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Conversion"));
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(int(box->standardButtons()), buttons);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->parentWidget(), &parent);
    }

    void answerCodes() {
        QCOMPARE(AnswerCode(QMessageBox::Yes), kAnswerYes);
        QCOMPARE(AnswerCode(QMessageBox::No), kAnswerNo);
        QCOMPARE(AnswerCode(QMessageBox::Ok), kAnswerOK);
    }

    void fileDialogOpensFilesThatNeedNotExist() {
        QTemporaryDir dir;
        QtFileDialog files(nullptr);
        files.Prepare(QStringLiteral("CSV (*.csv);;All Files (*.*)"), dir.path() + QLatin1Char('/'));
        QFileDialog& d = files.dialog();
        QCOMPARE(d.nameFilters(), QStringList({"CSV (*.csv)", "All Files (*.*)"}));
        QCOMPARE(d.directory().absolutePath(), dir.path());
        QCOMPARE(d.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(d.fileMode(), QFileDialog::AnyFile);
    }

    void emptyInitialDirectoryKeepsTheDialogsFolder() {
        QTemporaryDir dir;
        QtFileDialog files(nullptr);
        files.Prepare(QStringLiteral("GPX Files (*.gpx);;All Files (*.*)"), dir.path());
        files.Prepare(QStringLiteral("CSV (*.csv);;All Files (*.*)"), QString());
        QCOMPARE(files.dialog().directory().absolutePath(), dir.path());
    }

    // A new file is chosen, then the dialog is cancelled: the cancelled showing starts with the
    // chosen name in its file-name field and changes nothing.
    void fileNameFieldKeepsTheLastChoice() {
        QTemporaryDir dir;
        QtFileDialog files(nullptr);
        const QString filter = QStringLiteral("CSV (*.csv);;All Files (*.*)");

        WhileShown(files, [&] {
            files.dialog().selectFile(QStringLiteral("new.csv"));
            static_cast<QDialog&>(files.dialog()).accept();  // as the dialog's Open button does
            if (files.dialog().isVisible())
                files.dialog().reject();  // ends the showing, and the comparison below fails
        });
        QCOMPARE(files.ChooseFile(filter, dir.path() + QLatin1Char('/')), std::optional(dir.filePath("new.csv")));

        QString field;
        WhileShown(files, [&] {
            field = files.dialog().findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            files.dialog().reject();
        });
        QCOMPARE(files.ChooseFile(filter, dir.path()), std::nullopt);
        QCOMPARE(field, QStringLiteral("new.csv"));
    }

private:
    // Run action once the dialog is on screen
    static void WhileShown(QtFileDialog& files, std::function<void()> action) {
        QTimer::singleShot(0, &files.dialog(), std::move(action));
    }
};

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
