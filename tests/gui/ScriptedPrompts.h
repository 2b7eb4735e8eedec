#pragma once
// Answers the windows' message boxes and file dialogs from a script, and records what was shown.
#include "app/UserPrompts.h"
#include <QList>
#include <QStringList>

class ScriptedPrompts : public UserPrompts {
  public:
    struct Shown {
        QString kind; // "critical", "information", "confirm", "question", "open", "save", "choose", "report"
        QString title;
        QString text; // the message, or the file filter of a dialog
    };
    QList<Shown> shown;
    QList<Answer> answers;   // for confirm and askYesNoCancel, first first; Cancel when none is left
    QStringList fileNames;   // for the file dialogs; "" (cancelled) when none is left
    QList<int> choices;      // for chooseItem, first first; -1 (cancelled) when none is left
    QStringList reportLines; // the list of the last report

    void critical(QWidget *, const QString &title, const QString &text) override {
        shown.append({QStringLiteral("critical"), title, text});
    }
    void information(QWidget *, const QString &title, const QString &text) override {
        shown.append({QStringLiteral("information"), title, text});
    }
    Answer confirm(QWidget *, const QString &title, const QString &text) override {
        shown.append({QStringLiteral("confirm"), title, text});
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    Answer askYesNoCancel(QWidget *, const QString &title, const QString &text) override {
        shown.append({QStringLiteral("question"), title, text});
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    QString openFileName(QWidget *, const QString &title, const QString &filter) override {
        shown.append({QStringLiteral("open"), title, filter});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString saveFileName(QWidget *, const QString &title, const QString &filter) override {
        shown.append({QStringLiteral("save"), title, filter});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    int chooseItem(QWidget *, const QString &title, const QString &text, const QStringList &items) override {
        shown.append(
            {QStringLiteral("choose"), title, text + QLatin1Char('\n') + items.join(QLatin1Char('\n'))});
        return choices.isEmpty() ? -1 : choices.takeFirst();
    }
    void report(QWidget *, const QString &title, const QString &summary, const QStringList &lines) override {
        shown.append({QStringLiteral("report"), title, summary});
        reportLines = lines;
    }

    QStringList kinds() const {
        QStringList k;
        for (const Shown &s : shown)
            k << s.kind;
        return k;
    }
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
};
