#pragma once

#include "CardDistributionManager.h"

class CPokerView;

// The data of one game: how many opponents sit at the table and the engine
// state with the cards the player has seen. Lives as long as the program;
// a new game reuses it.
class CPokerDoc {
public:
    CPokerDoc();
    virtual ~CPokerDoc();
    CPokerDoc(const CPokerDoc&) = delete;
    CPokerDoc& operator=(const CPokerDoc&) = delete;

    // A new game: forgets every card; the number of opponents stays.
    bool OnNewDocument();
    // Asks for the number of opponents; only a confirmed answer starts a new
    // game with it (hint 1), even when the number is the same.
    void OnChangeOpponents();
    // Passes a hint to the view (0 new game, 1 opponents set, 2 initial hand
    // analysed, 3 final hand analysed).
    void UpdateAllViews(int hint);

    // The view registers itself when it is created and leaves when destroyed.
    void AddView(CPokerView* view);
    void RemoveView(CPokerView* view);
    CPokerView* GetView() const { return m_pView; }

    int m_nOpponents = 1;
    CCardDistributionManager m_manager;

private:
    CPokerView* m_pView = nullptr;
};
