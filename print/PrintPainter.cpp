#include "print/PrintPainter.h"
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {
// Paper is white whatever the desktop's palette: the page keeps its own black, grey and shades.
const QColor HeadingShade(0xe4, 0xe4, 0xe4);
const QColor RowShade(0xf4, 0xf4, 0xf4);

struct Fonts {
    QFont body;
    QFont bold;
    QFont title;
};

// Column widths on the device: the grid's proportions at their size on paper, widened to the longest text
// of the column, then narrowed together when the table would not fit the page.
QList<qreal> columnWidths(const PrintTable &table, const Fonts &fonts, QPaintDevice *device, qreal pad,
                          qreal pageWidth) {
    const QFontMetricsF body(fonts.body, device), bold(fonts.bold, device);
    QList<qreal> widths;
    qreal total = 0;
    for (int c = 0; c < table.columnWidths.size(); ++c) {
        qreal need = bold.horizontalAdvance(table.columns.value(c));
        for (const QStringList &row : table.rows)
            need = std::max(need, (c == 0 ? bold : body).horizontalAdvance(row.value(c)));
        const qreal natural = table.columnWidths[c] / 1440.0 * device->logicalDpiX();
        widths << std::max(natural, need + 3.5 * pad); // some air, and rounding never elides
        total += widths.back();
    }
    if (total > pageWidth)
        for (qreal &w : widths)
            w *= pageWidth / total;
    return widths;
}

class PagePainter {
  public:
    PagePainter(QPainter &painter, const PrintDocument &doc, const Fonts &fonts, qreal lineHeight, qreal pad,
                qreal pageWidth)
        : p(painter), doc(doc), fonts(fonts), lh(lineHeight), pad(pad), width(pageWidth) {}

    void header() {
        p.setFont(fonts.bold);
        const QRectF line(0, 0, width, lh);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, doc.fileName);
        p.setFont(fonts.body);
        p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, doc.model);
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, doc.date);
        p.setPen(QPen(Qt::black, 0));
        p.drawLine(QPointF(0, lh * 1.25), QPointF(width, lh * 1.25));
    }

    void footer(qreal height, int page, int pages) {
        p.setFont(fonts.body);
        p.drawText(QRectF(0, height - lh, width, lh), Qt::AlignHCenter | Qt::AlignVCenter,
                   PageNumberText(page, pages));
    }

    // Paints a slice from y down; returns the y below it.
    qreal slice(const PageSlice &s, const QList<qreal> &widths, qreal y) {
        const PrintTable &table = doc.tables[size_t(s.table)];
        qreal tableWidth = 0;
        for (qreal w : widths)
            tableWidth += w;
        if (s.withTitle) {
            p.setFont(fonts.title);
            p.drawText(QRectF(0, y, width, lh), Qt::AlignLeft | Qt::AlignVCenter, table.title);
            y += lh;
        }
        if (!table.columns.isEmpty()) {
            p.fillRect(QRectF(0, y, tableWidth, lh), HeadingShade);
            cells(table.columns, widths, y, fonts.bold, fonts.bold);
            y += lh;
        }
        if (table.rows.isEmpty()) {
            QFont italic = fonts.body;
            italic.setItalic(true);
            p.setFont(italic);
            p.drawText(QRectF(pad, y, width - pad, lh), Qt::AlignLeft | Qt::AlignVCenter, table.emptyText);
            return y + lh;
        }
        const bool labelled = !table.columns.isEmpty(); // the grids' first column holds the row labels
        for (int r = s.firstRow; r < s.firstRow + s.rowCount; ++r) {
            if (r % 2 == 1) p.fillRect(QRectF(0, y, tableWidth, lh), RowShade);
            if (labelled) p.fillRect(QRectF(0, y, widths.value(0), lh), HeadingShade);
            cells(table.rows[r], widths, y, labelled ? fonts.bold : fonts.body, fonts.body);
            y += lh;
        }
        p.setPen(QPen(Qt::gray, 0));
        p.drawLine(QPointF(0, y), QPointF(tableWidth, y));
        p.setPen(Qt::black);
        return y;
    }

  private:
    void cells(const QStringList &texts, const QList<qreal> &widths, qreal y, const QFont &first,
               const QFont &rest) {
        qreal x = 0;
        for (int c = 0; c < widths.size(); ++c) {
            const QFont &font = c == 0 ? first : rest;
            p.setFont(font);
            const QRectF cell(x + pad, y, widths[c] - 2 * pad, lh);
            const QString text =
                QFontMetricsF(font, p.device()).elidedText(texts.value(c), Qt::ElideRight, cell.width());
            p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
            x += widths[c];
        }
    }

    QPainter &p;
    const PrintDocument &doc;
    const Fonts &fonts;
    qreal lh;
    qreal pad;
    qreal width;
};
} // namespace

namespace {
// Fonts, line height and page breaks of a document on one device.
struct Layout {
    Fonts fonts;
    qreal lh = 0, pad = 0, width = 0, height = 0;
    qreal top = 0, bottom = 0; // page header and page number
    std::vector<PrintPage> pages;

    Layout(const PrintDocument &doc, QPaintDevice *device) {
        fonts.body = QGuiApplication::font();
        fonts.body.setPointSizeF(9);
        // any letter spacing turns the font's ligatures off: "Off" must reach the PDF as three letters, or
        // a search for it finds nothing and a copy gives "O\uFB00"
        fonts.body.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
        fonts.bold = fonts.body;
        fonts.bold.setBold(true);
        fonts.title = fonts.bold;
        fonts.title.setPointSizeF(10);
        const QFontMetricsF metrics(fonts.body, device);
        lh = metrics.height() * 1.35;
        pad = metrics.averageCharWidth() * 0.6;
        width = device->width();
        height = device->height();
        top = lh * 2;
        bottom = lh * 1.5;
        pages = PaginateTables(doc.tables, int((height - top - bottom) / lh));
    }
};
} // namespace

int PrintPageCount(const PrintDocument &doc, QPagedPaintDevice *device) {
    return int(Layout(doc, device).pages.size());
}

int PaintPrintDocument(const PrintDocument &doc, QPagedPaintDevice *device, int fromPage, int toPage) {
    QPainter painter;
    if (!painter.begin(device)) return 0;
    const Layout layout(doc, device);
    const int count = int(layout.pages.size());
    std::vector<QList<qreal>> widths;
    for (const PrintTable &table : doc.tables)
        widths.push_back(columnWidths(table, layout.fonts, device, layout.pad, layout.width));

    const int first = fromPage > 0 ? std::min(fromPage, count) : 1;
    const int last = toPage > 0 ? std::clamp(toPage, first, count) : count;
    PagePainter page(painter, doc, layout.fonts, layout.lh, layout.pad, layout.width);
    for (int n = first; n <= last; ++n) {
        if (n > first) device->newPage();
        page.header();
        qreal y = layout.top;
        bool firstSlice = true;
        for (const PageSlice &s : layout.pages[size_t(n - 1)]) {
            if (!firstSlice) y += layout.lh; // the blank line between two tables
            y = page.slice(s, widths[size_t(s.table)], y);
            firstSlice = false;
        }
        page.footer(layout.height, n, count);
    }
    painter.end();
    return count;
}
