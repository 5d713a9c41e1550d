// Quintara, the desktop program.
#include "PokerApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));

    CPokerApp pokerApp;
    if (!pokerApp.InitInstance())
        return 1;
    return QApplication::exec();
}
