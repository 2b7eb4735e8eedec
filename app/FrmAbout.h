#pragma once
// frmAbout: the program's name, version and rights, and a way to the system information tool.
#include <QDialog>

class UserPrompts;

class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    FrmAbout(UserPrompts *prompts, QWidget *parent = nullptr);

    // Starts the system information tool found through the registry; where there is none, says so.
    void StartSysInfo();

  private:
    UserPrompts *m_prompts;
};

// Reads a string value of a key under HKEY_LOCAL_MACHINE; false (and "" in value) off Windows or when absent.
bool GetKeyValue(const QString &keyName, const QString &valueName, QString *value);
inline const QString SysInfoUnavailableText = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");
