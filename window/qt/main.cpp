// Starts Corvane: shows its one window and runs until the window is closed.
#include "frmMain.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt ends a program it cannot show (no display, no platform plugin) with abort(), which
// reads as a crash; after Qt's own message the program exits with status 1 instead.
void ExitOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    qtHandler(type, context, message);
    if (type == QtFatalMsg) {
        std::fflush(stderr);
        std::_Exit(1);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qtHandler = qInstallMessageHandler(ExitOnFatal);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::frmMain window;
    window.show();
    return app.exec();
}
