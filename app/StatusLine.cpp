#include "app/StatusLine.h"
#include <QLabel>
#include <QTimer>

StatusLine::StatusLine(QLabel *panel, int fadeMs, QObject *parent)
    : QObject(parent), m_panel(panel), m_fade(new QTimer(this)), m_fadeMs(fadeMs) {
    m_fade->setSingleShot(true);
    connect(m_fade, &QTimer::timeout, this, &StatusLine::clear);
}

void StatusLine::showMessage(const QString &text) {
    showProgress(text);
    if (!text.isEmpty()) m_fade->start(m_fadeMs);
}

void StatusLine::showProgress(const QString &text) {
    m_fade->stop();
    m_panel->setText(text);
    m_panel->setToolTip(text); // a long line (a backup's path) is cut where the clock begins
    emit textChanged(text);
}

QString StatusLine::text() const {
    return m_panel->text();
}
