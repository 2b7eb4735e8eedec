#include "image/SettingsStore.h"
#include "image/TextTables.h"

QString SettingsOrganization() {
    return QStringLiteral("Korvan");
}

QString SettingsApplication() {
    return Tables().AppTitle;
}
