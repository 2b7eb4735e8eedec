#include "image/TextTables.h"

namespace {
TextTables make() {
    TextTables t;
    t.ModeTable = {"USB", "LSB", "CWU", "CWL", "AM", "FM"};
    t.ToneTable = {"67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",
                   "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz",
                   "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz",
                   "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz",
                   "203.5Hz", "210.7Hz", "218.1Hz", "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};
    t.DcsTable = {"023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
                  "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
                  "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
                  "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
                  "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
                  "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
                  "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
                  "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
    t.StepTable = {"5KHz", "10KHz", "12.5KHz", "15KHz", "20KHz", "25KHz", "30KHz"};
    while (t.StepTable.size() < 19)
        t.StepTable << QString();
    const char letters[4] = {'J', 'T', 'E', 'A'};
    for (int v = 0; v < 4; ++v)
        for (int w = 0; w < 2; ++w)
            t.FileHeader[v][w] = QStringLiteral("Korvan KT-M40%1 Clone %2 FileStart")
                                     .arg(QChar(letters[v]))
                                     .arg(w ? QChar('A') : QChar('0'));
    t.FileEndLine = QStringLiteral("Korvan  KT-M40  Clone  File  End");
    t.AppTitle = QStringLiteral("Korvan KT-M40 Clone Utility");
    return t;
}
} // namespace

const TextTables &Tables() {
    // one thread: the guard of this local static never waits for another
    static const TextTables tables = make();
    return tables;
}

void BuildTextTables() {
    (void)Tables();
}

bool MatchFileHeader(const QString &line, int &variant, bool &wideRange) {
    const TextTables &t = Tables();
    for (int v = 0; v < 4; ++v)
        for (int w = 0; w < 2; ++w)
            if (line == t.FileHeader[v][w]) {
                variant = v;
                wideRange = w == 1;
                return true;
            }
    return false;
}
