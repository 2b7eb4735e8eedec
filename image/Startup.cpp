#include "image/Startup.h"
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
struct Texts {
    const char *english;
    const char *japanese;
};

const std::map<int, Texts> &table() {
    // one thread: the guard of this local static never waits for another
    static const std::map<int, Texts> t = {
        {1000, {"File(&F)", "ﾌｧｲﾙ(&F)"}},
        {1001, {"New(&N)", "新規作成(&N)"}},
        {1002, {"Open(&O)...", "開く(&O)..."}},
        {1003, {"Save(&S)", "上書き保存(&S)"}},
        {1004, {"Save As(&A)...", "名前を付けて保存(&A)..."}},
        {1005, {"Print Setup(&U)...", "ﾍﾟｰｼﾞ設定(&U)..."}},
        {1006, {"Print(&P)...", "印刷(&P)..."}},
        {1007, {"Exit(&X)...", "終了(&X)"}},
        {1008, {"Edit(&E)", "編集(&E)"}},
        {1009, {"Modify(&M)", "変更(&M)"}},
        {1010, {"View(&V)", "表示(&V)"}},
        {1011, {"Tool Bar(&T)", "ﾂｰﾙ ﾊﾞｰ(&T)"}},
        {1012, {"Tool(&T)", "ﾂｰﾙ(&T)"}},
        {1013, {"COM Port Setup(&C)", "COM ポートセットアップ(&C)"}},
        {1014, {"Help(&H)", "ﾍﾙﾌﾟ(&H)"}},
        {1016, {"About(&A)", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}},
        {1017, {"New", "新規作成"}},
        {1018, {"Open", "開く"}},
        {1019, {"Save", "上書き保存"}},
        {1021, {"Help", "ﾍﾙﾌﾟ"}},
        {1100, {"Status Bar(&S)", "ｽﾃｰﾀｽﾊﾞｰ(&S)"}},
        {1201, {"Import(&I)...", "ｲﾝﾎﾟｰﾄ(&I)..."}},
        {1202, {"Export(&E)...", "ｴｸｽﾎﾟｰﾄ(&E)..."}},
        {1203, {"Read(&R)", "読み出し(&R)"}},
        {1204, {"Write(&W)", "書き込み(&W)"}},
        {1205, {"Settings(&S)", "設定(&S)"}},
        {1206, {"Memory(&M)", "メモリー(&M)"}},
        {1207, {"ALL(&A)", "すべて(&A)"}},
    };
    return t;
}
} // namespace

QString ResString(int id, UiLanguage language) {
    const auto it = table().find(id);
    if (it == table().end()) return QString();
    return QString::fromUtf8(language == UiLanguage::Japanese ? it->second.japanese : it->second.english);
}

UiLanguage LanguageForLocale(const QString &localeName) {
    return localeName.startsWith(QLatin1String("ja")) ? UiLanguage::Japanese : UiLanguage::English;
}
