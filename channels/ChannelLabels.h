#pragma once
// How channels are named: grid row labels, bank captions and channel labels.
#include <QString>

// "0".."199", "A  0".."A199", "A-P1", "A-P2", "B  0".."B199", "B-P1", "B-P2"
QString RowLabel(int k);
// "Memory", "Memory A", "Memory B"
QString BankCaption(int k);
// "CH0".."CH199", "P1", "P2"
QString ChannelLabel(int k);
// The row label without its padding ("17", "A 0", "A 10", "B-P1"), as messages and undo steps name a row.
QString ShortRowLabel(int k);
