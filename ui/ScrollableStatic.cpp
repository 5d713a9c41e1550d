#include "ScrollableStatic.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextOption>

#include <memory>

CScrollableStatic::CScrollableStatic(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCursor(m_cursor);
    viewport()->setCursor(m_cursor);
}

void CScrollableStatic::SetText(const std::string& text)
{
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(plain);
    UpdateScrollBar();
}

void CScrollableStatic::SetCentred(bool centred)
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

int CScrollableStatic::ViewportWidth(bool withBar) const
{
    const int bar = withBar ? verticalScrollBar()->sizeHint().width() : 0;
    return qMax(0, contentsRect().width() - bar);
}

void CScrollableStatic::UpdateScrollBar()
{
    m_measuredSize = size();
    // The text is measured at the narrower width it has beside the bar,
    // whether or not the bar shows now, so the bar is never hidden from a text
    // that needs it. Measured on a copy, from our own geometry rather than the
    // viewport's: the box is often hidden when its text is set, and a hidden
    // scroll area does not lay out its viewport.
    std::unique_ptr<QTextDocument> measure(document()->clone());
    measure->setDefaultFont(document()->defaultFont());
    measure->setDocumentMargin(document()->documentMargin());
    measure->setTextWidth(ViewportWidth(true));
    const bool needed = measure->size().height() > contentsRect().height();
    if (needed != (m_nScrollBarShown == 1)) {
        m_nScrollBarShown = needed ? 1 : 0;
        setVerticalScrollBarPolicy(needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
}

void CScrollableStatic::resizeEvent(QResizeEvent* event)
{
    QTextEdit::resizeEvent(event);
    // The owners give the box its size only when they draw, usually after the
    // text is set: decide the bar again at the real size. (The viewport's own
    // resizes, which the bar causes, arrive here too and are let pass.)
    if (size() != m_measuredSize)
        UpdateScrollBar();
}

void CScrollableStatic::focusInEvent(QFocusEvent* event)
{
    // Static text shows no caret: focus is never taken.
    event->ignore();
}

void CScrollableStatic::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        viewport()->setCursor(m_cursor);
        QTextEdit::mousePressEvent(event);
        return;
    }
    QTextEdit::mousePressEvent(event);
    viewport()->setCursor(m_cursor);
}

void CScrollableStatic::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(m_cursor);
}

void CScrollableStatic::mouseReleaseEvent(QMouseEvent* event)
{
    viewport()->setCursor(m_cursor);
    if (event->button() == Qt::RightButton)
        return;  // no context menu
    QTextEdit::mouseReleaseEvent(event);
}

void CScrollableStatic::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();  // swallowed: no menu
}
