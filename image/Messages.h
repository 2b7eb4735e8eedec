#pragma once
// The program's own message texts, and the outcomes they name. They are fixed in English (the command-line
// tool and the files say them so); the window shows them through translate("Messages", ...), marked here
// for lupdate.
#include <QString>
#include <QtGlobal>

inline const QString CommunicationErrorText =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Communication Error"));
inline const QString ComPortErrorText = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "COM Port Error"));
inline const QString DataErrorText = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Data Error"));
inline const QString FileOpenErrorText = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "File Open Error"));
inline const QString ErrorTitle = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "ERROR"));
inline const QString SaveQuestionText =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Save changes to settings?"));
inline const QString SaveQuestionTitle = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Save Changes"));
inline const QString OutOfRangeText =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The frequency is outside the range. "));

enum class FileStatus { Ok, DataError, FileOpenError };

inline QString FileStatusText(FileStatus s) {
    // callers ask only for a failure's text
    return s == FileStatus::DataError       ? DataErrorText
           : s == FileStatus::FileOpenError ? FileOpenErrorText
                                            : QString();
}
