#pragma once

#include <QColor>
#include <QList>

// Colours chosen for their contrast, measured as the contrast ratio of the web's
// accessibility guidelines (1:1 to 21:1), so that what the program marks stays
// visible on every palette: light, dark or high-contrast.

// The relative luminance of a colour: 0 for black, 1 for white.
double RelativeLuminance(const QColor& colour);
// (lighter + 0.05) / (darker + 0.05).
double ContrastRatio(const QColor& first, const QColor& second);

// The first of `candidates` that stands out from every one of `backgrounds` by
// `wanted`; without one, the grey that stands out from them best.
QColor ContrastingColour(const QList<QColor>& candidates, const QList<QColor>& backgrounds,
                         double wanted);

// `muted` moved towards `strong` just far enough to reach `wanted` against
// `background` (`strong` itself when even that falls short).
QColor ReadableColour(const QColor& muted, const QColor& strong, const QColor& background,
                      double wanted);
