#pragma once

class CPokerView;

// The painted page for assistive technology. The view's viewport gets an
// accessible interface whose children are the picker's 52 cards in
// card-index order, then the hand's five places, then the five seats, then
// the viewport's own controls. Each card is named ("Ace of
// hearts", a face-down place "Card back"), is checked while picked or marked,
// is unavailable while it cannot be clicked, covers the strip of it the page
// shows, and presses as a click does. A seat is named "Opponent 2", gives his
// seen draw as its value, is invisible when nobody sits there, and presses
// as a click on it does.

// Installs the page's interface for every CPokerView's viewport, and gives
// the page's text controls (the tables, the hand's description, the
// suggestions) the names a screen reader announces.
void SetUpPageAccessibility(CPokerView& view);

// After the view has shown the document: a StateChanged or NameChanged event
// for each card whose state or name changed since the last call.
void NotifyPageAccessibility(CPokerView& view);
