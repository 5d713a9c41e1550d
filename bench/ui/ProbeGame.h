#pragma once

// What the measuring tools share: the program started as main() starts it,
// with the opponents dialog answered at once, and a game played with clicks.

#include "CardText.h"
#include "PokerApp.h"
#include "PokerDoc.h"
#include "PokerView.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <initializer_list>

namespace probe {

// Presses OK in the opponents dialog as soon as it is shown (five opponents).
inline void AnswerOpponentsDialogAtOnce()
{
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    timer->start();
}

// Clicks the cards in the picker where they show, and presses OK.
inline void PickAndConfirm(CPokerView& view, std::initializer_list<const char*> cards)
{
    for (const char* text : cards) {
        const QRect rect = view.CardsScene().CardRect(ParseCard(text));
        const QPoint page(rect.center().x(), rect.top() + 20);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, page - view.GetScrollPosition());
    }
    QCoreApplication::processEvents();
    view.CardsScene().OkButton()->click();
    QCoreApplication::processEvents();
}

// A whole game: five cards, two of them thrown away, two drawn.
inline void PlayWholeGame(CPokerView& view)
{
    PickAndConfirm(view, {"4s", "4h", "5d", "6c", "7c"});
    for (int place : {0, 3})
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.PlayingScene().PlaceRect(place).center() - view.GetScrollPosition());
    QCoreApplication::processEvents();
    view.PlayingScene().DiscardButton()->click();
    QCoreApplication::processEvents();
    PickAndConfirm(view, {"8s", "3d"});
}

}  // namespace probe
