#include "app/ListCommands.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/UserPrompts.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include <QCoreApplication>

namespace {
// Insert and Delete shift channels only inside the plain bank, grid rows 1 to 200.
constexpr int PlainBankRows = 200;

const QString DeleteQuestion =
    QStringLiteral("Delete cannot be undone.\r\nAre you sure that you want to do the delete?");
const QString ClearQuestion =
    QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to do the clear?");
const QString ClearAllQuestion =
    QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to clear all memory?");

// The questions keep their fixed texts; a last line says what this program adds: the step can be undone.
QString withUndoNote(const QString &question) {
    return question +
           QCoreApplication::translate("ListCommands", "\r\n\r\nThis step can be undone with Edit > Undo.");
}

void copyChannel(CloneImage &image, int from, int to) {
    image.ChannelTable[to] = image.ChannelTable[from];
    image.ChannelUsed[to] = image.ChannelUsed[from];
}
} // namespace

ListCommands::ListCommands(const CommandContext &context, QObject *parent) : QObject(parent), m_c(context) {}

void ListCommands::cmbInsert_Click() {
    if (m_c.busy()) return;
    const int r = m_c.memoryPage->currentRow();
    const int k = r - 1;
    m_c.document->beginChange();
    if (r <= PlainBankRows) {
        for (int j = PlainBankRows - 1; j >= k + 1; --j)
            copyChannel(m_c.image(), j - 1, j);
        EmptyChannel(m_c.image(), k);
        m_c.memoryPage->model->refreshRows(k, PlainBankRows - 1);
    }
    m_c.document->commitChange(tr("Insert %1").arg(ShortRowLabel(k)));
}

void ListCommands::cmbDelete_Click() {
    if (m_c.busy()) return;
    const int r = m_c.memoryPage->currentRow();
    if (m_c.prompts->confirm(m_c.window, tr("DELETE OK"), withUndoNote(DeleteQuestion)) !=
        UserPrompts::Answer::Ok)
        return;
    m_c.document->beginChange();
    if (r <= PlainBankRows) {
        for (int j = r - 1; j <= PlainBankRows - 2; ++j)
            copyChannel(m_c.image(), j + 1, j);
        EmptyChannel(m_c.image(), PlainBankRows - 1);
        m_c.memoryPage->model->refreshRows(r - 1, PlainBankRows - 1);
    }
    m_c.document->commitChange(tr("Delete %1").arg(ShortRowLabel(r - 1)));
}

void ListCommands::cmbClear_Click() {
    if (m_c.busy()) return;
    if (m_c.prompts->confirm(m_c.window, tr("CLEAR OK"), withUndoNote(ClearQuestion)) !=
        UserPrompts::Answer::Ok)
        return;
    const int r = m_c.memoryPage->currentRow();
    m_c.document->beginChange();
    EmptyChannel(m_c.image(), r - 1);
    m_c.memoryPage->model->refreshRows(r - 1, r - 1);
    m_c.document->commitChange(tr("Clear %1").arg(ShortRowLabel(r - 1)));
}

void ListCommands::cmbClAll_Click() {
    if (m_c.busy()) return;
    if (m_c.prompts->confirm(m_c.window, tr("CLEAR OK"), withUndoNote(ClearAllQuestion)) !=
        UserPrompts::Answer::Ok)
        return;
    m_c.document->beginChange();
    EmptyMemory(m_c.image());
    m_c.memoryPage->model->refreshAll();
    m_c.document->commitChange(tr("Clear All"));
}

// Up and Down scroll by the rows the grid really shows, so the highlighted row never jumps while it is in
// sight and never leaves it.
void ListCommands::Command5_Click() {
    MemoryPage *page = m_c.memoryPage;
    int r = page->currentRow();
    if (r > 1) page->setCurrentRow(--r);
    const int top = page->topRow();
    const int rows = page->visibleRowCount();
    if (r < top)
        page->setTopRow(r);
    else if (r >= top + rows)
        page->setTopRow(r - (rows - 1));
}

void ListCommands::Command4_Click() {
    MemoryPage *page = m_c.memoryPage;
    int r = page->currentRow();
    if (r < PlainBankRows) page->setCurrentRow(++r);
    const int top = page->topRow();
    const int rows = page->visibleRowCount();
    const bool visible = r >= top && r < top + rows;
    if (!visible)
        page->setTopRow(r < top ? r : r - (rows - 1));
    else if (r == ChannelCount)
        page->setTopRow(ChannelCount + 1 - rows);
}
