// What a desktop user expects of frmMain beyond the original program: File > Recent Files, files dropped
// on the window, and the places kept between runs (the window's size and place, the grids' column widths).
#include "app/CsvCommands.h"
#include "app/FileCommands.h"
#include "app/FrmMain.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/StatusLine.h"
#include "app/UserPrompts.h"
#include "files/LocalName.h"
#include "files/RecentFiles.h"
#include "image/Messages.h"
#include "image/SettingsStore.h"
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTableView>

namespace {
const QString GeometryKey = QStringLiteral("Settings/MainGeometry");
const QString MemoryColumnsKey = QStringLiteral("Settings/MemoryColumnWidths");
const QString VfoColumnsKey = QStringLiteral("Settings/VfoColumnWidths");

enum class Dropped { CloneFile, CsvFile, Other };

// The one local file of a drop and what the window makes of it.
std::pair<QString, Dropped> droppedFile(const QMimeData *data) {
    if (!data || data->urls().size() != 1) return {QString(), Dropped::Other};
    const QString name = FileNameFromUrl(data->urls().constFirst());
    if (name.isEmpty() || KindOfName(name) != NameKind::File) return {name, Dropped::Other};
    // the kinds File > Open and File > Import offer, told by the extension their dialogs list
    const QString suffix = QFileInfo(name).suffix();
    if (suffix.compare(DefaultSuffixOf(CloneFileFilter), Qt::CaseInsensitive) == 0)
        return {name, Dropped::CloneFile};
    if (suffix.compare(DefaultSuffixOf(CsvFileFilter), Qt::CaseInsensitive) == 0)
        return {name, Dropped::CsvFile};
    return {name, Dropped::Other};
}

QStringList columnWidths(const QTableView *view) {
    QStringList widths;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        widths << QString::number(view->columnWidth(c));
    return widths;
}

// Widths from another run: taken only when there is one for every column and each is one a user could
// have dragged the column to.
void restoreColumnWidths(QTableView *view, const QStringList &stored) {
    if (stored.size() != view->model()->columnCount()) return;
    QList<int> widths;
    for (const QString &text : stored) {
        bool ok = false;
        const int w = text.toInt(&ok);
        if (!ok || w < view->horizontalHeader()->minimumSectionSize() || w > 4000) return;
        widths << w;
    }
    for (int c = 0; c < widths.size(); ++c)
        view->setColumnWidth(c, widths[c]);
}

// Whether enough of the frame's top (where the window is taken to move it) lies on a screen.
bool reachable(const QRect &frame) {
    const QRect top(frame.topLeft(), QSize(frame.width(), 40));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(top);
        if (seen.width() >= 100 && seen.height() >= 20) return true;
    }
    return false;
}
} // namespace

void FrmMain::buildRecentMenu(QMenu *mnuFile) {
    mnuFileRecent = mnuFile->addMenu(tr("Recent Files(&R)"));
    mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    showRecentFiles();
}

void FrmMain::showRecentFiles() {
    // The entry being chosen may be the one that asks for this: the old entries go once it has returned.
    for (QAction *a : mnuFileRecent->actions()) {
        mnuFileRecent->removeAction(a);
        a->setObjectName(QString());
        a->deleteLater();
    }
    const RecentFiles files = StoredRecentFiles();
    const QFontMetrics metrics(mnuFileRecent->font());
    for (int i = 0; i < files.names().size(); ++i) {
        const QString name = files.names()[i];
        const QString shown = ShownFileName(QDir::toNativeSeparators(name));
        const QString text = metrics.elidedText(shown, Qt::ElideMiddle, 60 * metrics.averageCharWidth());
        QAction *a = mnuFileRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QString(text).replace(QLatin1Char('&'), QLatin1String("&&"))));
        a->setObjectName(QStringLiteral("mnuFileRecent_%1").arg(i + 1));
        a->setToolTip(shown);
        connect(a, &QAction::triggered, m_status, &StatusLine::clear);
        connect(a, &QAction::triggered, this, [this, name] { openRecentFile(name); });
    }
    mnuFileRecent->addSeparator();
    QAction *clear = mnuFileRecent->addAction(tr("Clear Menu(&C)"));
    clear->setObjectName(QStringLiteral("mnuFileRecentClear"));
    connect(clear, &QAction::triggered, this, [this] {
        StoreRecentFiles(RecentFiles());
        showRecentFiles();
    });
    mnuFileRecent->menuAction()->setEnabled(!files.isEmpty() && !transferRunning());
}

void FrmMain::rememberCloneFile(const QString &path) {
    // kept whole, so that it reopens from wherever the program starts next
    const QString name = QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : CanonicalName(path);
    if (name.isEmpty()) return;
    RecentFiles files = StoredRecentFiles();
    files.add(name);
    StoreRecentFiles(files);
    StoreLastFolderOf(name);
    showRecentFiles();
}

void FrmMain::openRecentFile(const QString &name) {
    if (transferRunning()) return;
    if (KindOfName(name) != NameKind::File) {
        RecentFiles files = StoredRecentFiles();
        files.remove(name);
        StoreRecentFiles(files);
        showRecentFiles();
        m_prompts->critical(this, ErrorTitle,
                            tr("%1 is no longer there. It has been taken off the recent files.")
                                .arg(ShownFileName(QDir::toNativeSeparators(name))));
        return;
    }
    m_files->openFile(name);
}

void FrmMain::dragEnterEvent(QDragEnterEvent *event) {
    // anything else is refused where it is dragged, before it is dropped
    if (!transferRunning() && droppedFile(event->mimeData()).second != Dropped::Other)
        event->acceptProposedAction();
}

void FrmMain::dropEvent(QDropEvent *event) {
    const auto [name, kind] = droppedFile(event->mimeData());
    if (kind == Dropped::Other || transferRunning()) return;
    event->acceptProposedAction();
    // The file manager gets its answer first; the save question and the import's report come after.
    QMetaObject::invokeMethod(
        this,
        [this, name, kind] {
            m_status->clear();
            if (kind == Dropped::CloneFile)
                m_files->openFile(name);
            else
                m_csv->importFile(name);
        },
        Qt::QueuedConnection);
}

void FrmMain::restorePlaces() {
    SettingsStore store;
    const QRect design = geometry();
    const QByteArray geometry = store.value(GeometryKey).toByteArray();
    // a window that would open where nobody can take hold of it opens as a first run's does
    if (!geometry.isEmpty() && (!restoreGeometry(geometry) || !reachable(frameGeometry()))) {
        setWindowState(Qt::WindowNoState);
        setGeometry(design);
    }
    restoreColumnWidths(m_memoryPage->MSFlexGrid1, store.value(MemoryColumnsKey).toStringList());
    restoreColumnWidths(m_settingsPage->MSFlexGrid2, store.value(VfoColumnsKey).toStringList());
}

void FrmMain::storePlaces() {
    SettingsStore store;
    store.setValue(MemoryColumnsKey, columnWidths(m_memoryPage->MSFlexGrid1));
    store.setValue(VfoColumnsKey, columnWidths(m_settingsPage->MSFlexGrid2));
    // a minimized window's place is none to come back to: the last one stays
    if (!isMinimized()) store.setValue(GeometryKey, saveGeometry());
}

QString FrmMain::pdfSuggestion() const {
    const QString file = m_document.cloneFileName();
    if (file.isEmpty()) {
        const QString folder = LastFolder();
        if (folder.isEmpty()) return QString();
        return ShownFileName(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) +
               QStringLiteral("untitled.pdf");
    }
    // the clone file's extension goes (a dot that starts the name or lies in a folder's name stays)
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return ShownFileName(dot > file.lastIndexOf(QLatin1Char('/')) + 1 ? file.left(dot) : file) +
           QStringLiteral(".pdf");
}
