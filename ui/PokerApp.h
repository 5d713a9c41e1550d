#pragma once

#include <QObject>

#include <memory>

class CMainFrame;
class CPokerDoc;
class CPokerView;

// The program: asks for the number of opponents, then builds the document,
// the main window and the view, seats the opponents and shows the window at
// (0, 0), 1024 x 768. All three live until the program ends; New reuses them.
class CPokerApp : public QObject {
    Q_OBJECT
public:
    CPokerApp();
    ~CPokerApp() override;

    // The start-up; false when the program cannot run.
    bool InitInstance();

    CPokerDoc* GetDocument() const { return m_document.get(); }
    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CPokerView* GetView() const { return m_pView; }

public slots:
    // A new game with the same opponents.
    void OnFileNew();
    // Asks for the number of opponents again.
    void OnChangeOpponents();
    void OnAppAbout();

private:
    // Declared before the frame: the view stops listening when destroyed.
    std::unique_ptr<CPokerDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CPokerView* m_pView = nullptr;
};
