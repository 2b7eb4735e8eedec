#pragma once
// The Edit menu: Modify (the edit dialog for the current grid row), Undo and Redo of every change made to
// the image, the clipboard, Set Field and Sort over the selected rows, and Find; and the settings page's
// model options and lists, whose picks are steps of their own.
#include "app/CommandContext.h"
#include "channels/ChannelBulkEdit.h"
#include "channels/ChannelEdit.h"
#include <QObject>

class DlgFind;
class DlgModify;
class DlgSetField;

class EditCommands : public QObject {
    Q_OBJECT
  public:
    EditCommands(const CommandContext &context, QObject *parent);
    ~EditCommands() override;

    void mnuEditUndo_Click(); // Edit > Modify
    void mnuEditUndoStep_Click();
    void mnuEditRedoStep_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditSelectAll_Click();
    void mnuEditSetField_Click();
    void mnuEditSortFrequency_Click();
    void mnuEditSortName_Click();
    void mnuEditFind_Click();
    void mnuEditFindNext_Click();
    // What Set Field's OK and Sort do to the selected rows of the memory grid.
    void setFieldOnSelection(BulkField field, int value);
    void sortSelection(SortKey key);

    // Opens the edit dialog for a channel (memory grid) or a VFO (VFO grid).
    void openEditor(EditSource source, int index);
    DlgModify *modifyDialog();
    DlgSetField *setFieldDialog();
    DlgFind *findDialog();
    void closeDialogs();

    // A model option chosen, a settings list picked.
    void variantSelected(int variant);
    void settingPicked(int list);
    // The option buttons follow the image's variant without counting as the user's model choice.
    void showVariantQuietly();

  private:
    CommandContext m_c;
    bool m_quietVariant = false;
    DlgModify *m_modify = nullptr;
    DlgSetField *m_setField = nullptr;
    DlgFind *m_find = nullptr;
};
