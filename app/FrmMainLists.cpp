// frmMain's memory list operations: Insert, Delete, Clear, Clear All, Up and Down.
#include "app/FrmMain.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/UserPrompts.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "image/UiText.h"

namespace {
// Insert and Delete shift channels only inside the plain bank, grid rows 1 to 200.
constexpr int PlainBankRows = 200;

const QString DeleteQuestion =
    QStringLiteral("Delete cannot be undone.\r\nAre you sure that you want to do the delete?");
const QString ClearQuestion =
    QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to do the clear?");
const QString ClearAllQuestion =
    QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to clear all memory?");

void copyChannel(CloneImage &image, int from, int to) {
    image.ChannelTable[to] = image.ChannelTable[from];
    image.ChannelUsed[to] = image.ChannelUsed[from];
}
} // namespace

void FrmMain::cmbInsert_Click() {
    if (transferRunning()) return;
    const int r = m_memoryPage->currentRow();
    const int k = r - 1;
    m_document.beginChange();
    if (r <= PlainBankRows) {
        for (int j = PlainBankRows - 1; j >= k + 1; --j)
            copyChannel(m_image, j - 1, j);
        EmptyChannel(m_image, k);
        m_memoryPage->model->refreshRows(k, PlainBankRows - 1);
    }
    m_document.commitChange(UiText("Insert %1", "挿入 %1").arg(ShortRowLabel(k)));
}

void FrmMain::cmbDelete_Click() {
    if (transferRunning()) return;
    const int r = m_memoryPage->currentRow();
    if (m_prompts->confirm(this, QStringLiteral("DELETE OK"), DeleteQuestion) != UserPrompts::Answer::Ok)
        return;
    m_document.beginChange();
    if (r <= PlainBankRows) {
        for (int j = r - 1; j <= PlainBankRows - 2; ++j)
            copyChannel(m_image, j + 1, j);
        EmptyChannel(m_image, PlainBankRows - 1);
        m_memoryPage->model->refreshRows(r - 1, PlainBankRows - 1);
    }
    m_document.commitChange(UiText("Delete %1", "削除 %1").arg(ShortRowLabel(r - 1)));
}

void FrmMain::cmbClear_Click() {
    if (transferRunning()) return;
    if (m_prompts->confirm(this, QStringLiteral("CLEAR OK"), ClearQuestion) != UserPrompts::Answer::Ok)
        return;
    const int r = m_memoryPage->currentRow();
    m_document.beginChange();
    EmptyChannel(m_image, r - 1);
    m_memoryPage->model->refreshRows(r - 1, r - 1);
    m_document.commitChange(UiText("Clear %1", "クリア %1").arg(ShortRowLabel(r - 1)));
}

void FrmMain::cmbClAll_Click() {
    if (transferRunning()) return;
    if (m_prompts->confirm(this, QStringLiteral("CLEAR OK"), ClearAllQuestion) != UserPrompts::Answer::Ok)
        return;
    m_document.beginChange();
    EmptyMemory(m_image);
    m_memoryPage->model->refreshAll();
    m_document.commitChange(UiText("Clear All", "すべてクリア"));
}

// Up and Down scroll by the rows the grid really shows, so the highlighted row never jumps while it is in
// sight and never leaves it.
void FrmMain::Command5_Click() {
    MemoryPage *page = m_memoryPage;
    int r = page->currentRow();
    if (r > 1) page->setCurrentRow(--r);
    const int top = page->topRow();
    const int rows = page->visibleRowCount();
    if (r < top)
        page->setTopRow(r);
    else if (r >= top + rows)
        page->setTopRow(r - (rows - 1));
}

void FrmMain::Command4_Click() {
    MemoryPage *page = m_memoryPage;
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
