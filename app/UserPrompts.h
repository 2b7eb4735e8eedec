#pragma once
// The message boxes and file dialogs the windows ask through, so that a test can answer them.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class UserPrompts {
  public:
    enum class Answer { Ok, Cancel, Yes, No };
    virtual ~UserPrompts() = default;

    // Title "ERROR" and the like: critical-stop icon, OK button.
    virtual void critical(QWidget *parent, const QString &title, const QString &text) = 0;
    // A plain message with an OK button.
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    // A plain message that does not wait: the box it returns (nullptr when none stays up) is closed by the
    // caller once what it tells of has passed.
    virtual QWidget *notice(QWidget *parent, const QString &title, const QString &text) {
        information(parent, title, text);
        return nullptr;
    }
    // OK and Cancel, exclamation icon, Cancel the default: Ok or Cancel.
    virtual Answer confirm(QWidget *parent, const QString &title, const QString &text) = 0;
    // Yes, No and Cancel with the question icon.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &title, const QString &text) = 0;
    // File dialogs with a filter written "Description|pattern|Description|pattern"; "" when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    // One of items, the first preselected: its index, -1 when cancelled. Without an answer: cancelled.
    virtual int chooseItem(QWidget *parent, const QString &title, const QString &text,
                           const QStringList &items);
    // A summary with a list the user can unfold (it may be long); an OK button. Without a window of its
    // own: an information message with the list below the summary.
    virtual void report(QWidget *parent, const QString &title, const QString &summary,
                        const QStringList &lines);
};

// Message boxes and the platform's file dialogs.
class QtUserPrompts : public UserPrompts {
  public:
    // While the window a box belongs to is hidden (it is still loading), the box sits on standIn instead
    // (the splash); nullptr when there is none.
    void setStandInParent(QWidget *standIn) { m_standIn = standIn; }
    // The widget a box asked for with parent is centred on.
    QWidget *ownerFor(QWidget *parent) const;

    void critical(QWidget *parent, const QString &title, const QString &text) override;
    void information(QWidget *parent, const QString &title, const QString &text) override;
    QWidget *notice(QWidget *parent, const QString &title, const QString &text) override;
    Answer confirm(QWidget *parent, const QString &title, const QString &text) override;
    Answer askYesNoCancel(QWidget *parent, const QString &title, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter) override;
    int chooseItem(QWidget *parent, const QString &title, const QString &text,
                   const QStringList &items) override;
    void report(QWidget *parent, const QString &title, const QString &summary,
                const QStringList &lines) override;

  private:
    QPointer<QWidget> m_standIn;
};

// "A (*.x)|*.x|B (*.*)|*.*" as a file dialog's name filter "A (*.x);;B (*.*)".
QString DialogNameFilter(const QString &filter);
// The first pattern's extension ("M40" of "*.M40"), "" when it has none or it is "*".
QString DefaultSuffixOf(const QString &filter);
