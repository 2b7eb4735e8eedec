#include "app/KeptWorkNotice.h"
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>

KeptWorkNotice::KeptWorkNotice(QStatusBar *bar)
    : QObject(bar), m_bar(bar), m_label(new QLabel(bar)), m_button(new QToolButton(bar)),
      m_openFolder(new QAction(tr("Open Backup Folder"), this)) {
    m_label->setObjectName(QStringLiteral("lblKeptWork"));
    m_openFolder->setObjectName(QStringLiteral("actOpenBackupFolder"));
    m_button->setObjectName(QStringLiteral("btnOpenBackupFolder"));
    m_button->setDefaultAction(m_openFolder);
    m_button->setAutoRaise(true);
    connect(m_openFolder, &QAction::triggered, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(m_path).absolutePath())); });
    m_bar->addPermanentWidget(m_label);
    m_bar->addPermanentWidget(m_button);
    m_label->hide();
    m_button->hide();
    m_bar->installEventFilter(this);
}

void KeptWorkNotice::show(const QString &path) {
    m_path = path;
    const QString whole = QDir::toNativeSeparators(path);
    m_label->setToolTip(whole);
    m_openFolder->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    fit();
    m_label->show();
    m_button->show();
}

bool KeptWorkNotice::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_bar && event->type() == QEvent::Resize && !m_path.isEmpty()) fit();
    return QObject::eventFilter(watched, event);
}

// The name gets at most a third of the bar, so the date, the time and the command's own message keep room;
// the sentence ends with the name, so that in both languages only the name is ever shortened.
void KeptWorkNotice::fit() {
    const QString sentence = tr("Unsaved work kept: %1");
    const QFontMetrics metrics = m_label->fontMetrics();
    const int room = qMax(m_bar->width() / 3 - metrics.horizontalAdvance(sentence.arg(QString())),
                          metrics.averageCharWidth() * 12);
    m_label->setText(sentence.arg(metrics.elidedText(QFileInfo(m_path).fileName(), Qt::ElideMiddle, room)));
    // A long message in the text panel must not squeeze the notice: the message gives way, the notice shows.
    m_label->setMinimumWidth(m_label->sizeHint().width());
}
