// From start to the first painted window, with the opponents dialog answered
// at once. "startup_probe [runs]" starts itself runs times (default 10) as a
// new process and times each from the start of the process to the moment it
// reports the view painted; it prints every run and the median.
#include "ProbeGame.h"

#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char kOnceArgument[] = "--once";

// Reports once the view's first paint is done.
class CFirstPaintWatch : public QObject {
public:
    explicit CFirstPaintWatch(QWidget* viewport) : m_pViewport(viewport) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_pViewport && event->type() == QEvent::Paint && !m_bSeen) {
            m_bSeen = true;
            // After the paint itself has run and been flushed.
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* m_pViewport;
    bool m_bSeen = false;
};

int RunOnce(int argc, char** argv)
{
    QApplication application(argc, argv);
    CPokerApp app;
    probe::AnswerOpponentsDialogAtOnce();
    if (!app.InitInstance())
        return 1;
    CFirstPaintWatch watch(app.GetView()->viewport());
    application.installEventFilter(&watch);
    return QApplication::exec();
}

double TimeOneStart(const QString& program)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(program, {QString::fromLatin1(kOnceArgument)});
    while (child.waitForReadyRead(10000)) {
        if (child.readAll().contains("painted"))
            break;
    }
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    return child.exitCode() == 0 ? elapsed : -1.0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && qstrcmp(argv[1], kOnceArgument) == 0)
        return RunOnce(argc, argv);

    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double ms = TimeOneStart(QCoreApplication::applicationFilePath());
        if (ms < 0) {
            std::fprintf(stderr, "run %d: the program did not report its first paint\n", run + 1);
            return 1;
        }
        std::printf("run %2d: %7.1f ms\n", run + 1, ms);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("start to first painted window: median %.1f ms, min %.1f ms, max %.1f ms over %zu runs\n",
                median, times.front(), times.back(), n);
    return 0;
}
