#pragma once
// The status bar's text panel. The message of a finished action gives way to the next action or fades after
// a while; the line of a running action stays until the next line or the outcome replaces it.
#include <QObject>
#include <QString>

class QLabel;
class QTimer;

class StatusLine : public QObject {
    Q_OBJECT
  public:
    StatusLine(QLabel *panel, int fadeMs, QObject *parent);

    void showMessage(const QString &text);
    void showProgress(const QString &text);
    void clear() { showMessage(QString()); }
    QString text() const; // the whole line, also where the panel shows it shortened

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  signals:
    // The panel shows text ("" when it was cleared).
    void textChanged(const QString &text);

  private:
    void fit();

    QLabel *m_panel;
    QString m_text;
    QTimer *m_fade;
    int m_fadeMs;
};
