// Resident memory of a running game: the program started as main() starts
// it, one whole game played with clicks and the window painted at each step;
// prints the resident set now and at its peak, from /proc/self/status.
#include "ProbeGame.h"

#include <QFile>

#include <cstdio>

namespace {

// The value in kB of a "Name:   1234 kB" line of /proc/self/status, or -1.
long StatusKilobytes(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    CPokerApp app;
    probe::AnswerOpponentsDialogAtOnce();
    if (!app.InitInstance())
        return 1;
    if (!QTest::qWaitForWindowExposed(app.GetView()->window()))
        return 1;
    app.GetView()->viewport()->repaint();
    std::printf("after start-up:  VmRSS %6.1f MB\n", StatusKilobytes("VmRSS") / 1024.0);

    // Several games, as a player sits through an evening.
    for (int game = 0; game < 20; ++game) {
        app.OnFileNew();
        probe::PlayWholeGame(*app.GetView());
        app.GetView()->viewport()->repaint();
    }
    QCoreApplication::processEvents();
    std::printf("after 20 games:  VmRSS %6.1f MB, peak (VmHWM) %6.1f MB, stage %d\n",
                StatusKilobytes("VmRSS") / 1024.0, StatusKilobytes("VmHWM") / 1024.0, static_cast<int>(app.GetDocument()->GetStage()));
    return 0;
}
