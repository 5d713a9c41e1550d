#pragma once

#include <QCursor>
#include <QTextEdit>

#include <string>

// A read-only text box that behaves like static text: arrow pointer, no caret,
// no context menu, never takes focus, and a vertical scroll bar only while the
// text is taller than the box.
class CScrollableStatic : public QTextEdit {
    Q_OBJECT
public:
    explicit CScrollableStatic(QWidget* parent = nullptr);

    // Shows text ("\r\n" and "\n" both break lines) and decides the bar.
    void SetText(const std::string& text);

    // Centres every line (the hand description) instead of aligning left.
    void SetCentred(bool centred);

    // 1 while the vertical scroll bar is shown, 0 while hidden; 1 at first.
    int m_nScrollBarShown = 1;
    QCursor m_cursor{Qt::ArrowCursor};

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UpdateScrollBar();
    int ViewportWidth(bool withBar) const;

    QSize m_measuredSize;  // the size the bar was last decided at
};
