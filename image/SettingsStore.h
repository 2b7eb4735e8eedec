#pragma once
// The one per-user settings store of the program: every setting it keeps (window geometry, the device
// path of a port without a number, anything later) lives under one organisation and one application name,
// so in one file.
#include <QSettings>
#include <QString>

QString SettingsOrganization(); // "Korvan"
QString SettingsApplication();  // the program's title

class SettingsStore : public QSettings {
  public:
    SettingsStore() : QSettings(SettingsOrganization(), SettingsApplication()) {}
};

// The window language chosen in the View menu ("Settings/Language", a code such as "de"); none when no
// choice was made or the stored code is no language of the program.
inline const char *const LanguageSettingKey = "Settings/Language";
