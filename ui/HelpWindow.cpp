#include "HelpWindow.h"

#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QShortcut>
#include <QUrl>

CHelpWindow::CHelpWindow(QWidget* parent)
    : QTextBrowser(parent)
{
    setWindowFlags(Qt::Window);
    setWindowTitle(QString::fromStdString(LoadString(idHelpTitle)));
    setOpenExternalLinks(true);
    resize(640, 600);
    // A window of its own, closed as such windows are: Ctrl+W here, Escape
    // in keyPressEvent (the browser claims it before a shortcut sees it).
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
}

void CHelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

bool CHelpWindow::ShowTopic(const QString& file, int contextId)
{
    // The browser itself would only warn and show an empty page.
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly))
        return false;
    probe.close();

    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(QString::number(contextId));
    setSource(url);
    // Asked again for the topic on show, after the reader scrolled away.
    scrollToAnchor(url.fragment());
    m_nTopic = contextId;
    show();
    raise();
    activateWindow();
    return true;
}

QString DefaultHelpFilePath()
{
    QString path = QCoreApplication::applicationFilePath();
    if (path.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        path.chop(4);
    const QString beside = path + QStringLiteral(".html");
    // Installed under a prefix, the page lives with the shared data; the
    // build tree keeps it beside the program, which wins when both exist.
    const QString shared =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quintara/quintara.html");
    if (!QFile::exists(beside) && QFile::exists(shared))
        return QDir::cleanPath(shared);
    return beside;
}
