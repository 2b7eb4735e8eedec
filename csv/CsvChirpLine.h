#pragma once
// One line of a CHIRP CSV file as the mapping reads it: values by column name, and what is wrong or
// changed in it (changes are reported only when the line is stored).
#include "csv/CsvImportReport.h"
#include "image/CloneImage.h"
#include <QHash>
#include <QList>
#include <QPair>
#include <string>
#include <vector>

class ChirpLine {
  public:
    ChirpLine(const std::vector<std::string> &fields, const QHash<QString, int> &columns, const QString &row,
              CsvReport &report, bool decimalComma = false)
        : decimalComma(decimalComma), fields_(fields), columns_(columns), row_(row), report_(report) {}
    const bool decimalComma; // the file is separated by semicolons or TABs: "5,3305" is 5.3305

    // Whether the file has the column.
    bool has(const QString &column) const { return columns_.contains(column); }
    // The value under a column; "" when the file or this line has none.
    QString text(const QString &column) const {
        const int c = columns_.value(column, -1);
        return c >= 0 && c < int(fields_.size())
                   ? QString::fromUtf8(fields_[std::size_t(c)].data(),
                                       qsizetype(fields_[std::size_t(c)].size()))
                   : QString();
    }
    void refuse(const QString &column, const QString &reason) {
        report_.add(CsvReportItem::Refused, row_, column, reason);
        refused_ = true;
    }
    void change(const QString &column, const QString &reason) { changes_.append({column, reason}); }
    void reportChanges() {
        for (const auto &c : changes_)
            report_.add(CsvReportItem::Changed, row_, c.first, c.second);
    }
    bool refused() const { return refused_; }
    bool changed() const { return !changes_.isEmpty(); }

  private:
    const std::vector<std::string> &fields_;
    const QHash<QString, int> &columns_;
    QString row_;
    CsvReport &report_;
    bool refused_ = false;
    QList<QPair<QString, QString>> changes_;
};

// Export: the 21 values of used channel k; what the file cannot carry goes to report.
QStringList ChirpValuesOf(const CloneImage &image, int k, CsvReport *report);
// Import: takes a line into channel k through the edit dialog's rules, counting it in report.
void TakeChirpLine(ChirpLine &line, int k, CloneImage &image, CsvReport &report);
