#pragma once
// frmSplash: the picture shown while the program starts.
#include <QSplashScreen>

QSplashScreen *CreateSplash();
