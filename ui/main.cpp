// Quintara, the desktop program.
#include "HelpWindow.h"
#include "PokerApp.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));

    // For checking an installed copy: where the help page is looked for, and
    // a start that answers the opening question with Escape and leaves once
    // the main window is up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--help-path"))) {
        std::printf("%s\n", qUtf8Printable(DefaultHelpFilePath()));
        return 0;
    }
    const bool quitAfterStart = arguments.contains(QStringLiteral("--quit-after-start"));
    if (quitAfterStart) {
        auto* closer = new QTimer(&application);
        QObject::connect(closer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        closer->start(50);
    }

    CPokerApp pokerApp;
    if (!pokerApp.InitInstance())
        return 1;
    if (quitAfterStart)
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
