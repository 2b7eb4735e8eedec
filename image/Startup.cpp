#include "image/Startup.h"
#include "image/UiText.h"
#include <QtGlobal>
#include <map>

QString StartupFileFromCommandLine(const QString &commandLine) {
    if (commandLine.size() > 5) return commandLine.mid(1, commandLine.size() - 2);
    return commandLine;
}

QString StartupFileFromArguments(const QStringList &arguments) {
    if (arguments.isEmpty()) return QString();
    const QString joined = arguments.join(QLatin1Char(' '));
    // a wrapped name of five characters or fewer would keep its quotes: such a name arrives as it is
    const QString wrapped = QLatin1Char('"') + joined + QLatin1Char('"');
    return wrapped.size() > 5 ? StartupFileFromCommandLine(wrapped) : joined;
}

const std::array<int, 14> &ColumnWidths() {
    static const std::array<int, 14> widths = {650, 900, 600, 450, 600, 600, 650,
                                               600, 600, 900, 900, 600, 500, 500};
    return widths;
}

namespace {
// English, the source of every language's translation (context "StringTable").
const std::map<int, const char *> &table() {
    // one thread: the guard of this local static never waits for another
    static const std::map<int, const char *> t = {
        {1000, QT_TRANSLATE_NOOP("StringTable", "File(&F)")},
        {1001, QT_TRANSLATE_NOOP("StringTable", "New(&N)")},
        {1002, QT_TRANSLATE_NOOP("StringTable", "Open(&O)...")},
        {1003, QT_TRANSLATE_NOOP("StringTable", "Save(&S)")},
        {1004, QT_TRANSLATE_NOOP("StringTable", "Save As(&A)...")},
        {1005, QT_TRANSLATE_NOOP("StringTable", "Print Setup(&U)...")},
        {1006, QT_TRANSLATE_NOOP("StringTable", "Print(&P)...")},
        {1007, QT_TRANSLATE_NOOP("StringTable", "Exit(&X)...")},
        {1008, QT_TRANSLATE_NOOP("StringTable", "Edit(&E)")},
        {1009, QT_TRANSLATE_NOOP("StringTable", "Modify(&M)")},
        {1010, QT_TRANSLATE_NOOP("StringTable", "View(&V)")},
        {1011, QT_TRANSLATE_NOOP("StringTable", "Tool Bar(&T)")},
        {1012, QT_TRANSLATE_NOOP("StringTable", "Tool(&T)")},
        {1013, QT_TRANSLATE_NOOP("StringTable", "COM Port Setup(&C)")},
        {1014, QT_TRANSLATE_NOOP("StringTable", "Help(&H)")},
        {1016, QT_TRANSLATE_NOOP("StringTable", "About(&A)")},
        {1017, QT_TRANSLATE_NOOP("StringTable", "New")},
        {1018, QT_TRANSLATE_NOOP("StringTable", "Open")},
        {1019, QT_TRANSLATE_NOOP("StringTable", "Save")},
        {1021, QT_TRANSLATE_NOOP("StringTable", "Help")},
        {1100, QT_TRANSLATE_NOOP("StringTable", "Status Bar(&S)")},
        {1201, QT_TRANSLATE_NOOP("StringTable", "Import(&I)...")},
        {1202, QT_TRANSLATE_NOOP("StringTable", "Export(&E)...")},
        {1203, QT_TRANSLATE_NOOP("StringTable", "Read(&R)")},
        {1204, QT_TRANSLATE_NOOP("StringTable", "Write(&W)")},
        {1205, QT_TRANSLATE_NOOP("StringTable", "Settings(&S)")},
        {1206, QT_TRANSLATE_NOOP("StringTable", "Memory(&M)")},
        {1207, QT_TRANSLATE_NOOP("StringTable", "ALL(&A)")},
    };
    return t;
}
} // namespace

QString ResString(int id, UiLanguage language) {
    const auto it = table().find(id);
    if (it == table().end()) return QString();
    return TranslatedText(language, "StringTable", it->second);
}
