#pragma once

#include <QPixmap>
#include <QSize>

// The program's own pictures, drawn rather than loaded: a transceiver with
// its antenna sending waves over an evening sky.
QPixmap DrawSplashPicture(QSize size);
// The small program icon: the transceiver alone.
QPixmap DrawProgramIcon(QSize size);
