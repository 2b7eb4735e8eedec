#include "app/PrintCommands.h"
#include "app/UserPrompts.h"
#include "image/Messages.h"
#include "print/PrintPainter.h"
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace {
// Paints the pages the printer's range names (all of them unless a page range was chosen); returns how
// many were painted, 0 when the printer could not be opened.
int paintRange(const PrintDocument &doc, QPrinter *printer) {
    const bool range = printer->printRange() == QPrinter::PageRange;
    const int from = range ? printer->fromPage() : 0, to = range ? printer->toPage() : 0;
    const int pages = PaintPrintDocument(doc, printer, from, to);
    if (pages == 0) return 0;
    const int first = from > 0 ? std::min(from, pages) : 1;
    const int last = to > 0 ? std::clamp(to, first, pages) : pages;
    return last - first + 1;
}
} // namespace

PrintCommands::PrintCommands(QWidget *window, UserPrompts *prompts, std::function<PrintDocument()> document)
    : QObject(window), m_window(window), m_prompts(prompts), m_document(std::move(document)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_printer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::pageSetup() {
    // exec(), not open(): Qt's page setup dialog hands its settings to the printer only from exec().
    QPageSetupDialog dialog(m_printer.get(), m_window);
    dialog.setObjectName(QStringLiteral("dlgPageSetup"));
    dialog.exec();
}

void PrintCommands::preview() {
    m_printer->setPrintRange(QPrinter::AllPages);
    auto *dialog = new QPrintPreviewDialog(m_printer.get(), m_window);
    dialog->setObjectName(QStringLiteral("dlgPrintPreview"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Print Preview"));
    // Big enough to read a page, never bigger than the screen.
    QSize size(900, 1000);
    if (const QScreen *screen = m_window->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    dialog->resize(size);
    // Painted anew on every change of the page setup, and once more when printed from the preview.
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { paintRange(m_document(), printer); });
    dialog->open();
}

void PrintCommands::print() {
    const PrintDocument doc = m_document();
    m_printer->setDocName(doc.fileName); // the print dialog's PDF file is named after it
    auto *dialog = new QPrintDialog(m_printer.get(), m_window);
    dialog->setObjectName(QStringLiteral("dlgPrint"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                       QAbstractPrintDialog::PrintShowPageSize);
    dialog->setMinMax(1, PrintPageCount(doc, m_printer.get()));
    connect(dialog, qOverload<QPrinter *>(&QPrintDialog::accepted), this, &PrintCommands::printTo);
    dialog->open();
    // Print to File's name: the one proposed, unless the user named another file at the last print.
    const QString chosen = m_printer->outputFileName();
    if (m_pdfSuggestion && (chosen.isEmpty() || chosen == m_suggested)) {
        m_suggested = m_pdfSuggestion();
        QLineEdit *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename")); // Qt's own
        if (fileName && !m_suggested.isEmpty()) fileName->setText(m_suggested);
    }
}

bool PrintCommands::printTo(QPrinter *printer) {
    const int pages = paintRange(m_document(), printer);
    if (pages == 0) {
        m_prompts->critical(m_window, ErrorTitle, FileOpenErrorText);
        return false;
    }
    emit printed(pages,
                 printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString());
    return true;
}
