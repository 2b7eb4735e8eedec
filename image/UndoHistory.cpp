#include "image/UndoHistory.h"

UndoHistory::Rest UndoHistory::restOf(const CloneImage &image) {
    return {image.VfoTable, image.SetData1, image.SetData2, image.Settings, image.Variant, image.WideRange};
}

bool UndoHistory::record(const QString &name, const CloneImage &before, const CloneImage &after,
                         const FileState &fileBefore, const FileState &fileAfter) {
    Step step;
    step.name = name;
    for (int k = 0; k < ChannelCount; ++k) {
        if (before.ChannelUsed[k] == after.ChannelUsed[k] && before.ChannelTable[k] == after.ChannelTable[k])
            continue;
        step.channels.push_back({k,
                                 {before.ChannelTable[k], after.ChannelTable[k]},
                                 {before.ChannelUsed[k], after.ChannelUsed[k]}});
    }
    Rest restBefore = restOf(before), restAfter = restOf(after);
    if (!(restBefore == restAfter)) {
        step.rest[0] = std::move(restBefore);
        step.rest[1] = std::move(restAfter);
    }
    if (!(fileBefore == fileAfter)) {
        step.file[0] = fileBefore;
        step.file[1] = fileAfter;
    }
    if (step.channels.empty() && !step.rest[0] && !step.file[0]) return false;
    m_steps.resize(m_next);
    m_steps.push_back(std::move(step));
    m_next = int(m_steps.size());
    return true;
}

QString UndoHistory::undoName() const {
    return canUndo() ? m_steps[m_next - 1].name : QString();
}

QString UndoHistory::redoName() const {
    return canRedo() ? m_steps[m_next].name : QString();
}

void UndoHistory::apply(const Step &step, int side, CloneImage &image, std::optional<FileState> *file) {
    for (const ChannelChange &c : step.channels) {
        image.ChannelTable[c.k] = c.entry[side];
        image.ChannelUsed[c.k] = c.used[side];
    }
    if (const std::optional<Rest> &rest = step.rest[side]) {
        image.VfoTable = rest->VfoTable;
        image.SetData1 = rest->SetData1;
        image.SetData2 = rest->SetData2;
        image.Settings = rest->Settings;
        image.Variant = rest->Variant;
        image.WideRange = rest->WideRange;
    }
    if (file) *file = step.file[side];
}

bool UndoHistory::undo(CloneImage &image, std::optional<FileState> *file) {
    if (!canUndo()) return false;
    --m_next;
    apply(m_steps[m_next], 0, image, file);
    return true;
}

bool UndoHistory::redo(CloneImage &image, std::optional<FileState> *file) {
    if (!canRedo()) return false;
    apply(m_steps[m_next], 1, image, file);
    ++m_next;
    return true;
}

void UndoHistory::clear() {
    m_steps.clear();
    m_next = 0;
}
