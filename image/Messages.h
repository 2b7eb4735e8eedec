#pragma once
// The program's own message texts, and the outcomes they name.
#include <QString>

inline const QString CommunicationErrorText = QStringLiteral("Communication Error");
inline const QString ComPortErrorText = QStringLiteral("COM Port Error");
inline const QString DataErrorText = QStringLiteral("Data Error");
inline const QString FileOpenErrorText = QStringLiteral("File Open Error");
inline const QString ErrorTitle = QStringLiteral("ERROR");
inline const QString SaveQuestionText = QStringLiteral("Save changes to settings?");
inline const QString SaveQuestionTitle = QStringLiteral("Save Changes");
inline const QString OutOfRangeText = QStringLiteral("The frequency is outside the range. ");

enum class FileStatus { Ok, DataError, FileOpenError };

inline QString FileStatusText(FileStatus s) {
    // callers ask only for a failure's text
    return s == FileStatus::DataError       ? DataErrorText
           : s == FileStatus::FileOpenError ? FileOpenErrorText
                                            : QString();
}
