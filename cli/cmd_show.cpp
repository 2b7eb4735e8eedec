// kt-m40-cli show: prints a clone file's decoded contents, as a table or as JSON.
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "cli/CliSupport.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {
QJsonArray fieldsJson(const FieldSlot *fields, int count) {
    QJsonArray out;
    for (int f = 0; f < count; ++f)
        out.append(QJsonObject{
            {"name", ChannelFieldNames()[f]}, {"text", fields[f].text}, {"value", fields[f].value}});
    return out;
}

QJsonObject imageJson(const CloneImage &image, const QString &header) {
    QJsonObject settings;
    const auto &lists = SettingsLists();
    for (int i = 0; i < SettingsListCount; ++i) {
        const int index = image.Settings[i];
        settings[lists[i].name] =
            QJsonObject{{"label", lists[i].label}, {"index", index}, {"text", lists[i].items.value(index)}};
    }
    QJsonArray vfo;
    for (int n = 0; n < VfoCount; ++n)
        vfo.append(QJsonObject{{"label", VfoLabel(n)},
                               {"record", MakeVFOData(image, n)},
                               {"fields", fieldsJson(image.VfoTable[n].field.data(), VfoFieldCount)}});
    QJsonArray channels;
    for (int k = 0; k < ChannelCount; ++k)
        channels.append(
            QJsonObject{{"index", k},
                        {"label", RowLabel(k)},
                        {"used", image.ChannelUsed[k]},
                        {"record", MakeMemData(image, k)},
                        {"fields", fieldsJson(image.ChannelTable[k].field.data(), ChannelFieldCount)}});
    return QJsonObject{{"header", header},
                       {"variant", VariantLetter(image.Variant)},
                       {"wideRange", image.WideRange},
                       {"setData1", image.SetData1},
                       {"setData2", image.SetData2},
                       {"settings", settings},
                       {"vfo", vfo},
                       {"channels", channels}};
}

void printTable(QTextStream &out, const CloneImage &image, const QString &header) {
    out << header << "\n"
        << "Variant " << VariantLetter(image.Variant) << " (" << VariantCaption(image.Variant) << "), range "
        << FrequencyRangeFor(image.WideRange).text << "\n\nSettings\n";
    const auto &lists = SettingsLists();
    for (int i = 0; i < SettingsListCount; ++i)
        out << "  " << lists[i].label.leftJustified(20) << lists[i].items.value(image.Settings[i]) << "\n";
    auto row = [&out](const QString &label, const FieldSlot *fields, int count) {
        out << "  " << label.leftJustified(6);
        for (int f = 0; f < count; ++f)
            out << " " << fields[f].text.leftJustified(f == FieldFrequency || f == FieldSplitFreq ? 10 : 6);
        out << "\n";
    };
    auto heading = [&out](int count) {
        out << "  " << QString().leftJustified(6);
        for (int f = 0; f < count; ++f)
            out << " "
                << ChannelFieldNames()[f].leftJustified(f == FieldFrequency || f == FieldSplitFreq ? 10 : 6);
        out << "\n";
    };
    out << "\nVFO\n";
    heading(VfoFieldCount);
    for (int n = 0; n < VfoCount; ++n)
        row(VfoLabel(n), image.VfoTable[n].field.data(), VfoFieldCount);
    int used = 0;
    for (int k = 0; k < ChannelCount; ++k)
        used += image.ChannelUsed[k] ? 1 : 0;
    out << "\nChannels (" << used << " of " << ChannelCount << " used)\n";
    heading(ChannelFieldCount);
    for (int k = 0; k < ChannelCount; ++k)
        if (image.ChannelUsed[k]) row(RowLabel(k), image.ChannelTable[k].field.data(), ChannelFieldCount);
}

int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({"json", "print one JSON object"});
    p.addOption({{"o", "output"}, "file to write instead of standard output", "OUT", "-"});
    p.addPositionalArgument("FILE.M40", "clone file to show");
    if (!ParseCommandLine(p, "show", args)) return ExitUsage;
    if (const int usage = RequirePositionals(p, "show", {"FILE.M40"})) return usage;
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = OpenCloneFileOrReport(p.positionalArguments().first(), image)) return status;
    const QString header = Tables().FileHeader[image.Variant][image.WideRange ? 1 : 0];
    QString text;
    QTextStream out(&text);
    if (p.isSet("json"))
        out << QJsonDocument(imageJson(image, header)).toJson(QJsonDocument::Compact) << "\n";
    else
        printTable(out, image, header);
    out.flush();
    return WriteOutputOrReport(p.value("output"), text.toUtf8());
}

CommandRegistrar reg("show",
                     {"print a clone file's settings, VFOs and channels",
                      "Usage: kt-m40-cli show FILE.M40 [--json] [-o OUT]\n"
                      "Opens FILE.M40 as File > Open does and prints what it holds: a readable table,\n"
                      "or with --json one object with the header, variant, range, both settings blocks,\n"
                      "the 29 settings (control name, label, index, text), both VFOs and all 604\n"
                      "channels (record text and fields). -o OUT writes into a file ('-', the\n"
                      "default, is standard output).\n",
                      run});
} // namespace
