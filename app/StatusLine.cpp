#include "app/StatusLine.h"
#include <QEvent>
#include <QLabel>
#include <QTimer>

StatusLine::StatusLine(QLabel *panel, int fadeMs, QObject *parent)
    : QObject(parent), m_panel(panel), m_fade(new QTimer(this)), m_fadeMs(fadeMs) {
    m_fade->setSingleShot(true);
    connect(m_fade, &QTimer::timeout, this, &StatusLine::clear);
    // the panel takes the room the status bar gives it: a long line never widens the window
    m_panel->setSizePolicy(QSizePolicy::Ignored, m_panel->sizePolicy().verticalPolicy());
    m_panel->installEventFilter(this);
}

void StatusLine::showMessage(const QString &text) {
    showProgress(text);
    if (!text.isEmpty()) m_fade->start(m_fadeMs);
}

void StatusLine::showProgress(const QString &text) {
    m_fade->stop();
    m_text = text;
    fit();
    m_panel->setToolTip(text);
    m_panel->setAccessibleName(text);
    emit textChanged(text);
}

QString StatusLine::text() const {
    return m_text;
}

// A long line (a backup's path) loses its middle, not its end: the file's own name stays in sight.
void StatusLine::fit() {
    const int room = m_panel->contentsRect().width() - 2 * m_panel->margin() - qMax(0, m_panel->indent());
    m_panel->setText(room > 0 ? m_panel->fontMetrics().elidedText(m_text, Qt::ElideMiddle, room) : m_text);
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_panel && event->type() == QEvent::Resize) fit();
    return QObject::eventFilter(watched, event);
}
