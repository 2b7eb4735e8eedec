#include "app/GridColumns.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "image/CloneImage.h"
#include "image/TextTables.h"
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QStyle>
#include <QTableView>
#include <QToolTip>

namespace {
// Eight of each character the radio can store in a name: the widest of them is the widest name.
QStringList allNameCharacters(int times) {
    QStringList texts;
    for (int code = 0; code < 256; ++code)
        if (const QChar c = NameChar(code); !c.isNull()) texts << QString(times, c);
    return texts;
}

// A frequency with eight digits, each digit in turn: the widest of them is the widest frequency.
QStringList allFrequencyDigits() {
    QStringList texts;
    for (int d = 0; d <= 9; ++d)
        texts << FormatFrequencyText(qint64(d) * 11111111);
    return texts;
}

int widest(const QFontMetrics &metrics, const QStringList &texts) {
    int w = 0;
    for (const QString &t : texts)
        w = qMax(w, metrics.horizontalAdvance(t));
    return w;
}
} // namespace

QStringList WidestColumnTexts(int column) {
    switch (column) {
    case FieldFrequency:
    case FieldSplitFreq:
        return allFrequencyDigits();
    case FieldMode:
        return Tables().ModeTable;
    case FieldGain:
        return {GainText(0), GainText(1), GainText(2), GainText(3)};
    case FieldAGC:
        return {AGCText(0), AGCText(1)};
    case FieldPwr:
        return {PwrText(0), PwrText(1), PwrText(2)};
    case FieldFilter:
        return {FilterText(0), FilterText(1)};
    case FieldTone:
        return {ToneText(0), ToneText(128)};
    case FieldNB:
        return {NBText(0), NBText(1)};
    case FieldName:
        return allNameCharacters(8);
    case FieldSkip:
        return {QStringLiteral("Skip")};
    default:
        return {};
    }
}

void FitColumnsToWidestTexts(QTableView *view, int dataColumns) {
    QStyle *style = view->style();
    // The item view's text margins, left and right, and one pixel for the grid line.
    const int cellMargin = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 1;
    const int headerMargin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view) + 2;
    const QFontMetrics cells(view->font());
    const QFontMetrics headers(view->horizontalHeader()->font());
    QAbstractItemModel *model = view->model();
    for (int c = 0; c < dataColumns; ++c) {
        QStringList shown = WidestColumnTexts(c);
        for (QString &t : shown)
            t = ShownFieldValue(t); // the words in the window's language
        const int text = widest(cells, shown) + cellMargin;
        const int header =
            headers.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + headerMargin;
        view->setColumnWidth(c, qMax(view->columnWidth(c), qMax(text, header)));
    }
    QStringList labels;
    for (int r = 0; r < model->rowCount(); ++r)
        labels << model->headerData(r, Qt::Vertical).toString();
    QHeaderView *rows = view->verticalHeader();
    const int labelWidth = widest(QFontMetrics(rows->font()), labels) + headerMargin;
    rows->setFixedWidth(qMax(rows->width(), labelWidth));
}

bool CutTextTipDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                   const QStyleOptionViewItem &option, const QModelIndex &index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && sizeHint(option, index).width() > option.rect.width()) {
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}
