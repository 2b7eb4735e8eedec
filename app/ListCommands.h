#pragma once
// The memory list operations beside the memory grid: Insert, Delete, Clear, Clear All, Up and Down.
#include "app/CommandContext.h"
#include <QObject>

class ListCommands : public QObject {
    Q_OBJECT
  public:
    ListCommands(const CommandContext &context, QObject *parent);

    void cmbInsert_Click();
    void cmbDelete_Click();
    void cmbClear_Click();
    void cmbClAll_Click();
    void Command5_Click(); // Up
    void Command4_Click(); // Down

  private:
    CommandContext m_c;
};
