#include "app/Splash.h"
#include "app/AppIcon.h"

QSplashScreen *CreateSplash() {
    auto *splash = new QSplashScreen(SplashPixmap());
    splash->setObjectName(QStringLiteral("frmSplash"));
    return splash;
}
