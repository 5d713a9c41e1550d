// The window as a player sees it after OK, offscreen, for a note or a
// review: plays `cards` against `opponents`, waits for the equity runs to
// end, saves the window to a PNG and prints the suggestions box. Given the
// places to throw (1 to 5, as the digit keys) and the replacements, it goes
// on to the final hand, and given a table after them (ranges and seen draws
// as quintara-odds takes them, the pot and the call), sets it as the Table
// dialog does.
// Usage: QT_QPA_PLATFORM=offscreen bench/ui/screenshot_probe OPPONENTS "Kd Ks 8s 4h 2c" OUT.png
//            [345 "Kh 7c 3d" [RANGES DREW POT CALL]]
#include "ProbeGame.h"

#include "MainFrame.h"
#include "ResultsScene.h"
#include "ScrollableStatic.h"

#include <QComboBox>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 4 && argc != 6 && argc != 10) {
        std::fprintf(stderr, "usage: screenshot_probe OPPONENTS \"C1 C2 C3 C4 C5\" OUT.png [PLACES \"CARDS\" "
                             "[RANGES DREW POT CALL]]\n");
        return 2;
    }
    const int opponents = std::atoi(argv[1]);
    // The opponents dialog, answered with the number asked for.
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, opponents] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        dialog->findChild<QComboBox*>()->setCurrentIndex(opponents - 1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    timer->start();
    CPokerApp program;
    program.InitInstance();
    CPokerView& view = *program.GetView();
    const auto pick = [&view](const char* cards) {
        for (const QString& card : QString::fromLatin1(cards).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QRect rect = view.CardsScene().CardRect(ParseCard(card.toStdString().c_str()));
            QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(rect.center().x(), rect.top() + 20) - view.GetScrollPosition());
        }
        view.CardsScene().OkButton()->click();
    };
    pick(argv[2]);
    if (argc >= 6) {
        for (const char* place = argv[4]; *place; ++place)
            QTest::keyClick(&view, *place);
        view.PlayingScene().DiscardButton()->click();
        pick(argv[5]);
    }
    if (argc == 10) {
        TTable table = view.GetDocument()->GetTable();
        const QStringList ranges = QString::fromLocal8Bit(argv[6]).split(QLatin1Char(','));
        const QStringList drew = QString::fromLocal8Bit(argv[7]).split(QLatin1Char(','));
        for (int seat = 0; seat < table.m_nOpponents; ++seat) {
            const QString words = seat < ranges.size() ? ranges[seat].trimmed() : QString();
            table.m_astrRangeWords[seat] = words == QLatin1String("?") ? std::string() : words.toStdString();
            const QString count = seat < drew.size() ? drew[seat].trimmed() : QStringLiteral("?");
            table.m_anDrew[seat] = count == QLatin1String("?") ? kDrawUnseen : count.toInt();
        }
        table.m_dPot = std::atof(argv[8]);
        table.m_dCall = std::atof(argv[9]);
        std::string reason;
        if (!view.GetDocument()->SetTable(table, &reason)) {
            std::fprintf(stderr, "screenshot_probe: the table is refused at stage %d %s\n",
                         static_cast<int>(view.GetDocument()->GetStage()), reason.c_str());
            return 2;
        }
    }
    while (view.ShowdownRun().IsRunning() || view.HoldsRun().IsRunning())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    program.GetMainFrame()->grab().save(QString::fromLocal8Bit(argv[3]));
    std::printf("%s\n", view.ResultsScene().SuggestionsBox()->toPlainText().toStdString().c_str());
    return 0;
}
