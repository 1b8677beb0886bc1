// Starts Corvane: shows its one window and runs until the window is closed.
#include "FormLayout.h"
#include "ProgramArguments.h"
#include "QtMessageBox.h"
#include "QtWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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
    // Help and the version are printed before Qt looks for a display: they need none.
    const corvane::ProgramArguments arguments =
        corvane::ReadProgramArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (arguments.action == corvane::ProgramAction::Help || arguments.action == corvane::ProgramAction::Version) {
        std::fputs(arguments.text.c_str(), stdout);
        return 0;
    }
    qtHandler = qInstallMessageHandler(ExitOnFatal);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    // Qt's file dialog keeps its history in a "QtProject" file beside the user's settings. Corvane's
    // own settings file is to be the only one it writes there, so the user's file is named
    // before Qt's per-user settings are sent to a folder that is removed at exit.
    const QString settingsFile =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Corvane"), QStringLiteral("Corvane"))
            .fileName();
    QTemporaryDir qtSettings;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, qtSettings.path());
    corvane::QtWindow window(nullptr, nullptr, settingsFile);
    // A file manager opening a GPX file with Corvane names it as the one argument.
    if (!arguments.gpx.empty()) window.OpenGPX({QFileInfo(QString::fromStdString(arguments.gpx)).absoluteFilePath()});
    window.show();
    if (arguments.action == corvane::ProgramAction::Refuse) {
        std::fprintf(stderr, "corvane: %s\n", arguments.text.c_str());
        corvane::ShowMessageBox(QString::fromStdString(arguments.text), corvane::BoxKind::Warning,
                                QString::fromUtf8(corvane::kFormCaption.data(), corvane::kFormCaption.size()), &window,
                                {});
    }
    return app.exec();
}
