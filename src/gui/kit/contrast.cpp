#include "gui/kit/contrast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kGreySteps = 255;
constexpr int kBlendSteps = 20;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// How well a colour stands out from all the backgrounds: its worst contrast.
double WorstContrast(const QColor& colour, const QList<QColor>& backgrounds) {
    double worst = 21.0;
    for (const QColor& background : backgrounds)
        worst = std::min(worst, ContrastRatio(colour, background));
    return worst;
}

// Eight bits a channel, as the screen shows it, so the contrast measured is the one seen.
QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ContrastingColour(const QList<QColor>& candidates, const QList<QColor>& backgrounds,
                         double wanted) {
    for (const QColor& candidate : candidates) {
        if (WorstContrast(candidate, backgrounds) >= wanted) return candidate;
    }
    QColor best;
    double bestContrast = 0.0;
    for (int level = 0; level <= kGreySteps; ++level) {
        const QColor grey(level, level, level);
        const double contrast = WorstContrast(grey, backgrounds);
        if (contrast > bestContrast) {
            best = grey;
            bestContrast = contrast;
        }
    }
    return best;
}

QColor ReadableColour(const QColor& muted, const QColor& strong, const QColor& background,
                      double wanted) {
    for (int step = 0; step <= kBlendSteps; ++step) {
        const QColor colour = Blend(muted, strong, static_cast<double>(step) / kBlendSteps);
        if (ContrastRatio(colour, background) >= wanted) return colour;
    }
    return strong;
}
