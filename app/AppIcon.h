#pragma once
// The program's picture, drawn in code: a radio front panel.
#include <QIcon>
#include <QPixmap>

QPixmap AppIconPixmap(int size);
QIcon AppIcon();
// The splash picture: the program's name on the radio's face.
QPixmap SplashPixmap();
// The tool bar's Help button: a question mark in a blue disc.
QIcon HelpIcon();
