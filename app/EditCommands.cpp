#include "app/EditCommands.h"
#include "app/DlgFind.h"
#include "app/DlgModify.h"
#include "app/DlgSetField.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/StatusLine.h"
#include "app/UserPrompts.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "image/SettingsLists.h"
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTableView>

namespace {
QString channelCount(int n) {
    return n == 1 ? QCoreApplication::translate("EditCommands", "1 channel")
                  : QCoreApplication::translate("EditCommands", "%1 channels").arg(n);
}
} // namespace

EditCommands::EditCommands(const CommandContext &context, QObject *parent) : QObject(parent), m_c(context) {}

// The edit dialog looks at the image: it goes before the document does.
EditCommands::~EditCommands() {
    delete m_modify;
}

DlgModify *EditCommands::modifyDialog() {
    if (!m_modify) {
        m_modify = new DlgModify(&m_c.image(), m_c.prompts, m_c.window);
        connect(m_modify, &DlgModify::okPressed, this, [this] { m_c.document->setDataChanged(true); });
        connect(m_modify, &DlgModify::stored, this, [this](EditSource source, int index) {
            if (source == EditSource::Memory)
                m_c.memoryPage->model->refreshRows(index, index);
            else
                m_c.settingsPage->vfoModel->refreshRow(index);
            m_c.document->commitChange(
                tr("Modify %1").arg(source == EditSource::Memory ? ShortRowLabel(index) : VfoLabel(index)));
        });
    }
    return m_modify;
}

void EditCommands::openEditor(EditSource source, int index) {
    if (m_c.busy() || index < 0) return;
    m_c.document->beginChange(); // the dialog is modal: its OK is the only change until it closes
    modifyDialog()->openFor(source, index);
}

void EditCommands::mnuEditUndo_Click() {
    if (m_c.tabs->currentIndex() == 0) {
        const QModelIndex current = m_c.settingsPage->MSFlexGrid2->currentIndex();
        openEditor(EditSource::Vfo, current.isValid() ? current.row() : 0);
    } else {
        openEditor(EditSource::Memory, m_c.memoryPage->currentRow() - 1);
    }
}

void EditCommands::closeDialogs() {
    for (QWidget *w : std::initializer_list<QWidget *>{m_modify, m_setField, m_find})
        if (w) w->close();
}

void EditCommands::variantSelected(int variant) {
    m_c.image().Variant = variant;
    // A file or the radio selecting the model is part of that command's step.
    if (m_quietVariant || m_c.busy()) {
        m_c.document->setDataChanged(true);
        return;
    }
    m_c.document->commitChange(tr("Model %1").arg(VariantCaption(variant)));
}

void EditCommands::settingPicked(int list) {
    // Picking a list item is no unsaved change of its own, but it can be undone.
    m_c.document->commitChange(tr("Setting %1").arg(SettingsLists()[list].label), CloneDocument::Mark::Leave);
}

void EditCommands::showVariantQuietly() {
    m_quietVariant = true;
    m_c.settingsPage->selectVariant(m_c.image().Variant);
    m_quietVariant = false;
}

void EditCommands::mnuEditUndoStep_Click() {
    if (m_c.busy()) return;
    const QString name = m_c.document->history().undoName();
    if (m_c.document->undo()) m_c.status->showMessage(tr("Undone: %1").arg(name));
}

void EditCommands::mnuEditRedoStep_Click() {
    if (m_c.busy()) return;
    const QString name = m_c.document->history().redoName();
    if (m_c.document->redo()) m_c.status->showMessage(tr("Redone: %1").arg(name));
}

void EditCommands::mnuEditCopy_Click() {
    if (m_c.busy()) return;
    m_c.showMemoryPage();
    const QList<int> channels = m_c.memoryPage->selectedChannels();
    auto *data = new QMimeData;
    data->setText(ChannelsToTsv(m_c.image(), channels));
    data->setData(ChannelsMimeType, ChannelsToLossless(m_c.image(), channels).toLatin1());
    QGuiApplication::clipboard()->setMimeData(data);
    m_c.status->showMessage(tr("%1 copied").arg(channelCount(channels.size())));
}

void EditCommands::mnuEditCut_Click() {
    if (m_c.busy()) return;
    mnuEditCopy_Click();
    const QList<int> channels = m_c.memoryPage->selectedChannels();
    m_c.document->beginChange();
    for (int k : channels)
        EmptyChannel(m_c.image(), k);
    m_c.memoryPage->model->refreshRows(channels.first(), channels.last());
    m_c.document->commitChange(tr("Cut %1").arg(channelCount(channels.size())));
    m_c.status->showMessage(tr("%1 cut").arg(channelCount(channels.size())));
}

void EditCommands::mnuEditPaste_Click() {
    if (m_c.busy()) return;
    m_c.showMemoryPage();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data) return;
    const QString text =
        data->hasFormat(ChannelsMimeType) ? QString::fromLatin1(data->data(ChannelsMimeType)) : data->text();
    const int first = m_c.memoryPage->currentRow() - 1;
    m_c.document->beginChange();
    const ChannelPaste paste = PasteChannels(m_c.image(), first, text);
    if (!paste.ok) {
        m_c.status->showMessage(tr("Nothing pasted"));
        m_c.prompts->critical(m_c.window, tr("Paste"), paste.message);
        return;
    }
    const int last = first + paste.count - 1;
    m_c.memoryPage->model->refreshRows(first, last);
    m_c.memoryPage->selectChannels(first, last);
    m_c.document->commitChange(tr("Paste %1").arg(channelCount(paste.count)));
    m_c.status->showMessage(tr("%1 pasted from row %2").arg(channelCount(paste.count), ShortRowLabel(first)));
}

void EditCommands::mnuEditSelectAll_Click() {
    if (m_c.busy()) return;
    m_c.showMemoryPage();
    const int current = m_c.memoryPage->currentRow() - 1;
    m_c.memoryPage->MSFlexGrid1->selectAll();
    m_c.memoryPage->MSFlexGrid1->selectionModel()->setCurrentIndex(m_c.memoryPage->model->index(current, 0),
                                                                   QItemSelectionModel::NoUpdate);
}

DlgSetField *EditCommands::setFieldDialog() {
    if (!m_setField) {
        m_setField = new DlgSetField(m_c.window);
        connect(m_setField, &DlgSetField::chosen, this, &EditCommands::setFieldOnSelection);
    }
    return m_setField;
}

void EditCommands::mnuEditSetField_Click() {
    if (m_c.busy()) return;
    m_c.showMemoryPage();
    setFieldDialog()->openFor(int(m_c.memoryPage->selectedChannels().size()));
}

void EditCommands::setFieldOnSelection(BulkField field, int value) {
    if (m_c.busy()) return;
    const QList<int> channels = m_c.memoryPage->selectedChannels();
    m_c.document->beginChange();
    const BulkEdit edit = SetChannelField(m_c.image(), channels, field, value);
    if (!edit.ok) {
        m_c.status->showMessage(tr("Nothing changed"));
        m_c.prompts->critical(m_c.window, tr("Set Field"), edit.message);
        return;
    }
    m_c.memoryPage->model->refreshRows(channels.first(), channels.last());
    // The step is named by the channels it changed, as the status line counts them: empty channels of the
    // selection stay empty.
    // the field and its value in the words Set Field showed them in
    const QString name = ShownBulkFieldName(field);
    m_c.document->commitChange(tr("Set %1 on %2").arg(name, channelCount(edit.changed)));
    m_c.status->showMessage(
        tr("%1 set to %2: %3 changed")
            .arg(name, ShownFieldValue(BulkFieldValues(field).value(value)), channelCount(edit.changed)));
}

void EditCommands::sortSelection(SortKey key) {
    if (m_c.busy()) return;
    m_c.showMemoryPage();
    const QList<int> channels = m_c.memoryPage->selectedChannels();
    m_c.document->beginChange();
    const BulkEdit edit = SortChannels(m_c.image(), channels, key);
    if (!edit.ok) {
        m_c.status->showMessage(tr("Nothing sorted"));
        m_c.prompts->critical(m_c.window, tr("Sort"), edit.message);
        return;
    }
    m_c.memoryPage->model->refreshRows(channels.first(), channels.last());
    const QString count = channelCount(channels.size());
    const bool byFrequency = key == SortKey::Frequency;
    m_c.document->commitChange(byFrequency ? tr("Sort %1 by frequency").arg(count)
                                           : tr("Sort %1 by name").arg(count));
    m_c.status->showMessage(byFrequency ? tr("%1 sorted by frequency").arg(count)
                                        : tr("%1 sorted by name").arg(count));
}

void EditCommands::mnuEditSortFrequency_Click() {
    sortSelection(SortKey::Frequency);
}

void EditCommands::mnuEditSortName_Click() {
    sortSelection(SortKey::Name);
}

DlgFind *EditCommands::findDialog() {
    if (!m_find) {
        m_find = new DlgFind(m_c.window);
        connect(m_find, &DlgFind::findNext, this, &EditCommands::mnuEditFindNext_Click);
    }
    return m_find;
}

void EditCommands::mnuEditFind_Click() {
    if (m_c.busy()) return;
    m_c.showMemoryPage();
    findDialog()->show();
    m_find->raise();
    m_find->activateWindow();
    m_find->txtFind->setFocus();
    m_find->txtFind->selectAll();
}

void EditCommands::mnuEditFindNext_Click() {
    if (m_c.busy()) return;
    if (!m_find || m_find->query().trimmed().isEmpty()) {
        mnuEditFind_Click(); // nothing to look for yet
        return;
    }
    m_c.showMemoryPage();
    const QString query = m_find->query().trimmed();
    const int k = FindChannel(m_c.image(), query, m_find->findBy(), m_c.memoryPage->currentRow() - 1);
    if (k < 0) {
        m_c.status->showMessage(tr("\"%1\" not found").arg(query));
        m_c.prompts->information(m_find->isVisible() ? static_cast<QWidget *>(m_find) : m_c.window,
                                 tr("Find"), tr("\"%1\" not found.").arg(query));
        return;
    }
    m_c.memoryPage->selectChannels(k, k);
    m_c.status->showMessage(tr("Found at row %1").arg(ShortRowLabel(k)));
}
