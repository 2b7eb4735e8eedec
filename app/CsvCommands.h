#pragma once
// The File menu's CSV commands: Export and Import, in the original, the full and the CHIRP layout.
#include "app/CommandContext.h"
#include <QObject>

class UnsavedWork;

inline const QString CsvFileFilter = QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");

class CsvCommands : public QObject {
    Q_OBJECT
  public:
    CsvCommands(const CommandContext &context, UnsavedWork *unsavedWork, QObject *parent);

    void mnuExport_Click();
    void mnuImport_Click();
    // Import without its dialog (a CSV file dropped on the window).
    void importFile(const QString &path);

  private:
    CommandContext m_c;
    UnsavedWork *m_unsavedWork;
};
