#include "app/UserPrompts.h"
#include "files/LocalName.h"
#include "files/RecentFiles.h"
#include "image/UiText.h"
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

QString DialogNameFilter(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        names << parts[i];
    return names.join(QStringLiteral(";;"));
}

QString DefaultSuffixOf(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) return QString();
    const QString pattern = parts[1].section(QLatin1Char(';'), 0, 0);
    const QString suffix = pattern.section(QLatin1Char('.'), 1);
    return pattern.startsWith(QStringLiteral("*.")) && suffix != QStringLiteral("*") ? suffix : QString();
}

namespace {
// The texts carry CR LF line breaks; a message box wants plain line feeds.
QString shown(const QString &text) {
    QString t = QCoreApplication::translate("Messages", text.toUtf8().constData());
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

QWidget *QtUserPrompts::ownerFor(QWidget *parent) const {
    if (parent && parent->window()->isVisible()) return parent;
    if (m_standIn && m_standIn->isVisible()) return m_standIn;
    return parent;
}

void QtUserPrompts::critical(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::Critical, shown(title), shown(text), QMessageBox::Ok, ownerFor(parent));
    box.exec();
}

void QtUserPrompts::information(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, shown(title), shown(text), QMessageBox::Ok, ownerFor(parent));
    box.exec();
}

QWidget *QtUserPrompts::notice(QWidget *parent, const QString &title, const QString &text) {
    auto *box = new QMessageBox(QMessageBox::Information, shown(title), shown(text), QMessageBox::Ok,
                                ownerFor(parent));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

UserPrompts::Answer QtUserPrompts::confirm(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox box(QMessageBox::Warning, shown(title), shown(text), QMessageBox::Ok | QMessageBox::Cancel,
                    ownerFor(parent));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

UserPrompts::Answer QtUserPrompts::askYesNoCancel(QWidget *parent, const QString &title,
                                                  const QString &text) {
    QMessageBox box(QMessageBox::Question, shown(title), shown(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, ownerFor(parent));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int r = box.exec();
    return r == QMessageBox::Yes ? Answer::Yes : r == QMessageBox::No ? Answer::No : Answer::Cancel;
}

namespace {
QString runFileDialog(QWidget *parent, const QString &title, const QString &filter, bool save) {
    QFileDialog dialog(parent, title);
    // where the last file was chosen, opened or saved
    if (const QString folder = LastFolder(); !folder.isEmpty()) dialog.setDirectory(folder);
    dialog.setNameFilter(DialogNameFilter(filter));
    dialog.setNameFilters(DialogNameFilter(filter).split(QStringLiteral(";;")));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(DefaultSuffixOf(filter));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    // the dialog lists a name that is not UTF-8 as it shows it: the file's own bytes are found again
    const QString name = FileNameFromShownName(dialog.selectedFiles().constFirst());
    StoreLastFolderOf(name);
    return name;
}
} // namespace

QString QtUserPrompts::openFileName(QWidget *parent, const QString &title, const QString &filter) {
    return runFileDialog(ownerFor(parent), title, filter, false);
}

QString QtUserPrompts::saveFileName(QWidget *parent, const QString &title, const QString &filter) {
    return runFileDialog(ownerFor(parent), title, filter, true);
}

int UserPrompts::chooseItem(QWidget *, const QString &, const QString &, const QStringList &) {
    return -1;
}

void UserPrompts::report(QWidget *parent, const QString &title, const QString &summary,
                         const QStringList &lines) {
    information(parent, title, summary + QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")));
}

int QtUserPrompts::chooseItem(QWidget *parent, const QString &title, const QString &text,
                              const QStringList &items) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(items.value(0));
    dialog.setOkButtonText(QCoreApplication::translate("QtUserPrompts", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("QtUserPrompts", "Cancel"));
    if (dialog.exec() != QDialog::Accepted) return -1;
    return int(items.indexOf(dialog.textValue()));
}

void QtUserPrompts::report(QWidget *parent, const QString &title, const QString &summary,
                           const QStringList &lines) {
    // the first lines in view, all of them behind Show Details
    constexpr int InView = 12;
    QString text = shown(summary);
    if (!lines.isEmpty()) text += QStringLiteral("\n\n") + lines.mid(0, InView).join(QLatin1Char('\n'));
    if (lines.size() > InView) text += QStringLiteral("\n...");
    QMessageBox box(QMessageBox::Information, shown(title), text, QMessageBox::Ok, parent);
    if (lines.size() > InView) box.setDetailedText(lines.join(QLatin1Char('\n')));
    box.exec();
}
