#pragma once
// What the full CSV layout's export and import share: the first line, the column titles and the fields
// whose codes the Codes column carries.
#include "image/CloneImage.h"
#include <QString>
#include <QStringList>

// "KT-M40 full CSV", "variant J", "range (1.6MHz - 30MHz)"
QStringList FullCsvFirstLine(int variant, bool wideRange);
// "Row", the eleven grid titles, "Codes"
const QStringList &FullCsvTitles();
inline const QString FullCsvRowTitle = QStringLiteral("Row");
inline const QString FullCsvCodesTitle = QStringLiteral("Codes");

// Gain, AGC, Pwr, Filter, Tone, NB: the fields whose text stands for more than one code.
const QList<ChannelField> &CodedFields();
// The field's display text of a code (GainText and the like).
QString CodedFieldText(ChannelField field, int code);
// The code the edit dialog stores for a text (Tone "On" is 128), -1 when the text is not in the list.
int CodedFieldDialogCode(ChannelField field, const QString &text);
// The dialog's list of a coded field ("0", "-10", "-20", "+10" for Gain).
const QStringList &CodedFieldItems(ChannelField field);
