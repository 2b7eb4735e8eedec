#pragma once
// The import's column vocabulary: how each of the fifteen value columns of a CSV record is recognized,
// giving a code and a display text per column.
#include <QString>
#include <string>
#include <string_view>

// The longest decimal number at the start of text: optional sign, digits, at most one decimal point
// ("7.05MHz" is 7.05, "-3" is -3, ".5" is 0.5). Text that does not start with one reads as 0.
double CsvNumber(std::string_view text);

// The value columns in file order (record fields 4 to 18).
enum CsvColumn {
    CsvFrequency = 0,
    CsvStep,
    CsvTone,
    CsvTxTone,
    CsvRxTone,
    CsvDcs,
    CsvShift,
    CsvShiftFrequency,
    CsvPower,
    CsvAtt,
    CsvBs,
    CsvClock,
    CsvBclo,
    CsvName,
    CsvSkip,
    CsvValueColumnCount
};

struct CsvValue {
    double code = 0;
    QString text;
};

// One record's recognized value columns (Name has no code, Skip no text).
struct CsvRecord {
    CsvValue value[CsvValueColumnCount];
};

// Recognizes records one after another. A STEP text outside the step table keeps the step code of the
// record recognized before it (0 before the first).
class CsvRecognizer {
  public:
    // False when TXTONE, RXTONE or DCS is not recognized: the record is dropped.
    bool recognize(const std::string *fields, CsvRecord &record);

  private:
    int lastStep_ = 0;
};

// The number of a ToneTable text ("88.5Hz" is 88.5), the index whose number equals value, else -1.
int CsvToneIndex(double value);
// The DcsTable index whose code read as a decimal number ("023" is 23) equals value, else -1.
int CsvDcsIndex(double value);
