#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The program's own pictures, drawn rather than loaded: a transceiver with
// its antenna sending waves over an evening sky.
QPixmap DrawSplashPicture(QSize size);
// The small program icon: the transceiver alone.
QPixmap DrawProgramIcon(QSize size);
// The program icon in the sizes task bars, window titles and switchers ask for.
QIcon ProgramIcon();
