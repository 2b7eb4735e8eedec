// frmMain's Edit menu beyond Modify: Undo and Redo of every change the window makes to the image, the
// clipboard, Set Field and Sort over the selected rows, and Find.
#include "app/DlgFind.h"
#include "app/DlgSetField.h"
#include "app/FrmMain.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/UserPrompts.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "image/UiText.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTableView>

namespace {
// The actions of this menu part; all of them wait while a transfer runs.
const char *const EditActionNames[] = {"mnuEditCut",       "mnuEditCopy",     "mnuEditPaste",
                                       "mnuEditSelectAll", "mnuEditSetField", "mnuEditSortFrequency",
                                       "mnuEditSortName",  "mnuEditFind",     "mnuEditFindNext"};

QString channelCount(int n) {
    return n == 1 ? UiText("1 channel", "1 チャンネル") : UiText("%1 channels", "%1 チャンネル").arg(n);
}
} // namespace

void FrmMain::buildEditMenu(QMenu *mnuEdit) {
    auto make = [this](QMenu *menu, const char *name, const QString &text, void (FrmMain::*slot)(),
                       const QList<QKeySequence> &keys = {}) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, slot);
        menu->addAction(a);
        return a;
    };
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditUndoStep", QString(), &FrmMain::mnuEditUndoStep_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    make(mnuEdit, "mnuEditRedoStep", QString(), &FrmMain::mnuEditRedoStep_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditCut", UiText("Cut(&T)", "切り取り(&T)"), &FrmMain::mnuEditCut_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_X)});
    make(mnuEdit, "mnuEditCopy", UiText("Copy(&C)", "コピー(&C)"), &FrmMain::mnuEditCopy_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_C)});
    make(mnuEdit, "mnuEditPaste", UiText("Paste(&P)", "貼り付け(&P)"), &FrmMain::mnuEditPaste_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_V)});
    make(mnuEdit, "mnuEditSelectAll", UiText("Select All(&L)", "すべて選択(&L)"),
         &FrmMain::mnuEditSelectAll_Click, {QKeySequence(Qt::CTRL | Qt::Key_A)});
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditSetField", UiText("Set Field(&S)...", "項目の一括設定(&S)..."),
         &FrmMain::mnuEditSetField_Click);
    QMenu *sort = mnuEdit->addMenu(UiText("Sort Selection(&O)", "選択範囲の並べ替え(&O)"));
    sort->setObjectName(QStringLiteral("mnuEditSort"));
    make(sort, "mnuEditSortFrequency", UiText("By Frequency(&F)", "周波数順(&F)"),
         &FrmMain::mnuEditSortFrequency_Click);
    make(sort, "mnuEditSortName", UiText("By Name(&N)", "名前順(&N)"), &FrmMain::mnuEditSortName_Click);
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditFind", UiText("Find(&F)...", "検索(&F)..."), &FrmMain::mnuEditFind_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_F)});
    make(mnuEdit, "mnuEditFindNext", UiText("Find Next(&N)", "次を検索(&N)"), &FrmMain::mnuEditFindNext_Click,
         {QKeySequence(Qt::Key_F3)});
    connect(&m_document, &CloneDocument::historyChanged, this, &FrmMain::updateEditActions);
    updateEditActions();
}

void FrmMain::updateEditActions() {
    const UndoHistory &history = m_document.history();
    const bool idle = !transferRunning();
    if (QAction *undo = action(QStringLiteral("mnuEditUndoStep"))) {
        undo->setText(history.canUndo() ? UiText("Undo %1(&U)", "元に戻す: %1(&U)").arg(history.undoName())
                                        : UiText("Undo(&U)", "元に戻す(&U)"));
        undo->setEnabled(idle && history.canUndo());
    }
    if (QAction *redo = action(QStringLiteral("mnuEditRedoStep"))) {
        redo->setText(history.canRedo() ? UiText("Redo %1(&R)", "やり直し: %1(&R)").arg(history.redoName())
                                        : UiText("Redo(&R)", "やり直し(&R)"));
        redo->setEnabled(idle && history.canRedo());
    }
    for (const char *name : EditActionNames)
        if (QAction *a = action(QLatin1String(name))) a->setEnabled(idle);
}

void FrmMain::mnuEditUndoStep_Click() {
    if (transferRunning()) return;
    m_document.undo();
}

void FrmMain::mnuEditRedoStep_Click() {
    if (transferRunning()) return;
    m_document.redo();
}

void FrmMain::mnuEditCopy_Click() {
    if (transferRunning()) return;
    showMemoryPage();
    const QList<int> channels = m_memoryPage->selectedChannels();
    auto *data = new QMimeData;
    data->setText(ChannelsToTsv(m_image, channels));
    data->setData(ChannelsMimeType, ChannelsToLossless(m_image, channels).toLatin1());
    QGuiApplication::clipboard()->setMimeData(data);
    setStatusText(UiText("%1 copied", "%1 をコピーしました").arg(channelCount(channels.size())));
}

void FrmMain::mnuEditCut_Click() {
    if (transferRunning()) return;
    mnuEditCopy_Click();
    const QList<int> channels = m_memoryPage->selectedChannels();
    m_document.beginChange();
    for (int k : channels)
        EmptyChannel(m_image, k);
    m_memoryPage->model->refreshRows(channels.first(), channels.last());
    m_document.commitChange(UiText("Cut %1", "切り取り %1").arg(channelCount(channels.size())));
    setStatusText(UiText("%1 cut", "%1 を切り取りました").arg(channelCount(channels.size())));
}

void FrmMain::mnuEditPaste_Click() {
    if (transferRunning()) return;
    showMemoryPage();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data) return;
    const QString text =
        data->hasFormat(ChannelsMimeType) ? QString::fromLatin1(data->data(ChannelsMimeType)) : data->text();
    const int first = m_memoryPage->currentRow() - 1;
    m_document.beginChange();
    const ChannelPaste paste = PasteChannels(m_image, first, text);
    if (!paste.ok) {
        m_prompts->critical(this, UiText("Paste", "貼り付け"), paste.message);
        return;
    }
    const int last = first + paste.count - 1;
    m_memoryPage->model->refreshRows(first, last);
    m_memoryPage->selectChannels(first, last);
    m_document.commitChange(UiText("Paste %1", "貼り付け %1").arg(channelCount(paste.count)));
    setStatusText(UiText("%1 pasted from row %2", "%1 を行 %2 から貼り付けました")
                      .arg(channelCount(paste.count), ShortRowLabel(first)));
}

void FrmMain::mnuEditSelectAll_Click() {
    if (transferRunning()) return;
    showMemoryPage();
    const int current = m_memoryPage->currentRow() - 1;
    m_memoryPage->MSFlexGrid1->selectAll();
    m_memoryPage->MSFlexGrid1->selectionModel()->setCurrentIndex(m_memoryPage->model->index(current, 0),
                                                                 QItemSelectionModel::NoUpdate);
}

DlgSetField *FrmMain::setFieldDialog() {
    if (!m_setField) {
        m_setField = new DlgSetField(this);
        connect(m_setField, &DlgSetField::chosen, this, &FrmMain::setFieldOnSelection);
    }
    return m_setField;
}

void FrmMain::mnuEditSetField_Click() {
    if (transferRunning()) return;
    showMemoryPage();
    setFieldDialog()->openFor(int(m_memoryPage->selectedChannels().size()));
}

void FrmMain::setFieldOnSelection(BulkField field, int value) {
    if (transferRunning()) return;
    const QList<int> channels = m_memoryPage->selectedChannels();
    m_document.beginChange();
    const BulkEdit edit = SetChannelField(m_image, channels, field, value);
    if (!edit.ok) {
        m_prompts->critical(this, UiText("Set Field", "項目の一括設定"), edit.message);
        return;
    }
    m_memoryPage->model->refreshRows(channels.first(), channels.last());
    m_document.commitChange(
        UiText("Set %1 on %2", "%1 の一括設定 %2").arg(BulkFieldName(field), channelCount(channels.size())));
    setStatusText(
        UiText("%1 set to %2: %3 changed", "%1 を %2 に設定: %3 を変更")
            .arg(BulkFieldName(field), BulkFieldValues(field).value(value), channelCount(edit.changed)));
}

void FrmMain::sortSelection(SortKey key) {
    if (transferRunning()) return;
    showMemoryPage();
    const QList<int> channels = m_memoryPage->selectedChannels();
    m_document.beginChange();
    const BulkEdit edit = SortChannels(m_image, channels, key);
    if (!edit.ok) {
        m_prompts->critical(this, UiText("Sort", "並べ替え"), edit.message);
        return;
    }
    m_memoryPage->model->refreshRows(channels.first(), channels.last());
    m_document.commitChange(
        key == SortKey::Frequency
            ? UiText("Sort %1 by frequency", "周波数順に並べ替え %1").arg(channelCount(channels.size()))
            : UiText("Sort %1 by name", "名前順に並べ替え %1").arg(channelCount(channels.size())));
}

void FrmMain::mnuEditSortFrequency_Click() {
    sortSelection(SortKey::Frequency);
}

void FrmMain::mnuEditSortName_Click() {
    sortSelection(SortKey::Name);
}

DlgFind *FrmMain::findDialog() {
    if (!m_find) {
        m_find = new DlgFind(this);
        connect(m_find, &DlgFind::findNext, this, &FrmMain::mnuEditFindNext_Click);
    }
    return m_find;
}

void FrmMain::mnuEditFind_Click() {
    if (transferRunning()) return;
    showMemoryPage();
    findDialog()->show();
    m_find->raise();
    m_find->activateWindow();
    m_find->txtFind->setFocus();
    m_find->txtFind->selectAll();
}

void FrmMain::mnuEditFindNext_Click() {
    if (transferRunning()) return;
    if (!m_find || m_find->query().trimmed().isEmpty()) {
        mnuEditFind_Click(); // nothing to look for yet
        return;
    }
    showMemoryPage();
    const QString query = m_find->query().trimmed();
    const int k = FindChannel(m_image, query, m_find->findBy(), m_memoryPage->currentRow() - 1);
    if (k < 0) {
        setStatusText(UiText("\"%1\" not found", "「%1」は見つかりません").arg(query));
        m_prompts->information(m_find->isVisible() ? static_cast<QWidget *>(m_find) : this,
                               UiText("Find", "検索"),
                               UiText("\"%1\" not found.", "「%1」は見つかりません。").arg(query));
        return;
    }
    m_memoryPage->selectChannels(k, k);
    setStatusText(UiText("Found at row %1", "行 %1 で見つかりました").arg(ShortRowLabel(k)));
}
