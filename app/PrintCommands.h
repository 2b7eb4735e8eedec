#pragma once
// File > Print Setup, Print Preview and Print: the window's image as a printed document, on the printer the
// user picks or, through the print dialog's "Print to File (PDF)", as a PDF. The page setup is kept for the
// next print. Print and Print Preview open with open() and report back by signal; only Page Setup runs
// modally (exec()), as Qt's page setup dialog takes its settings over to the printer from exec() alone.
#include "print/document/PrintDocument.h"
#include <QObject>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class UserPrompts;

class PrintCommands : public QObject {
    Q_OBJECT
  public:
    // document builds the printed document of the window's image as it is when printing starts.
    PrintCommands(QWidget *window, UserPrompts *prompts, std::function<PrintDocument()> document);
    ~PrintCommands() override;

    // The name Print to File proposes, "" for Qt's own; the user's own choice stays for the next print.
    void setPdfSuggestion(std::function<QString()> suggestion) { m_pdfSuggestion = std::move(suggestion); }

    void pageSetup();
    void preview();
    void print();
    // Paints the current document on printer (the print range it holds); false with a message when the
    // printer or its file cannot be opened.
    bool printTo(QPrinter *printer);
    QPrinter *printer() const { return m_printer.get(); }

  signals:
    // A document went to the printer: the pages printed and where ("" for a printer, else the PDF file).
    void printed(int pages, const QString &file);

  private:
    QWidget *m_window;
    UserPrompts *m_prompts;
    std::function<PrintDocument()> m_document;
    std::unique_ptr<QPrinter> m_printer;
    std::function<QString()> m_pdfSuggestion;
    QString m_suggested; // the name last proposed
};
