// Starts Corvane: shows its one window and runs until the window is closed.
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::frmMain window;
    window.show();
    return app.exec();
}
