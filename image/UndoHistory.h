#pragma once
// The window's Undo and Redo: every step is kept as the difference between the image before and after it
// (the channels that changed, and the VFOs, settings and model when they changed), so that the history is
// as deep as memory allows while a one-channel edit costs only that channel twice.
#include "image/CloneImage.h"
#include <QList>
#include <QString>
#include <optional>
#include <vector>

// What names the file the window's data belong to: the clone file Save writes to, and the name the caption
// shows (a CSV file's name after Export, with no clone file to write to).
struct FileState {
    QString cloneFileName;
    QString shownName;
    bool operator==(const FileState &) const = default;
};

class UndoHistory {
  public:
    // A step that took `before` to `after` under a name ("Delete 17", "Paste 12 channels"). Nothing is
    // recorded when neither the image nor the file state changed; false then. Recording drops the redo part.
    bool record(const QString &name, const CloneImage &before, const CloneImage &after,
                const FileState &fileBefore = {}, const FileState &fileAfter = {});

    bool canUndo() const { return m_next > 0; }
    bool canRedo() const { return m_next < int(m_steps.size()); }
    QString undoName() const;
    QString redoName() const;
    int undoCount() const { return m_next; }
    int redoCount() const { return int(m_steps.size()) - m_next; }

    // Puts the parts the last step changed back as they were before it; *file gets the file state to
    // restore when the step changed it. False (and nothing touched) when there is nothing to undo.
    bool undo(CloneImage &image, std::optional<FileState> *file = nullptr);
    bool redo(CloneImage &image, std::optional<FileState> *file = nullptr);
    void clear();

  private:
    struct ChannelChange {
        int k;
        ChannelEntry entry[2]; // before, after
        bool used[2];
    };
    struct Rest { // everything of the image but the channel table
        std::array<VfoRecord, VfoCount> VfoTable;
        QString SetData1, SetData2;
        SettingsSelection Settings;
        int Variant;
        bool WideRange;
        // compiler-made member by member: not every member's early out is met
        bool operator==(const Rest &) const = default;
    };
    struct Step {
        QString name;
        std::vector<ChannelChange> channels;
        std::optional<Rest> rest[2];
        std::optional<FileState> file[2];
    };
    static Rest restOf(const CloneImage &image);
    static void apply(const Step &step, int side, CloneImage &image, std::optional<FileState> *file);

    std::vector<Step> m_steps;
    int m_next = 0; // steps before m_next are done, the others undone
};
