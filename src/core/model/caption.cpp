#include "core/model/caption.h"

#include "core/model/radiodata.h"

namespace {

char CharAt(std::string_view text, size_t position) {
    return position < text.size() ? text[position] : '\0';
}

std::string HandheldSuffix(char letter) {
    switch (letter) {
        case 'J':
            return "";
        case 'E':
            return "E";
        default:
            return "A";
    }
}

std::string MobileSuffix(char letter, char variant) {
    switch (letter) {
        case 'K':
            return "A -1";
        case 'E':
            return "E";
        case 'M':
            if (variant == '8') return "A -2";
            if (variant == '9') return "A -3";
            if (variant == 'B' || variant == 'A') return "A -4";
            return "";
        default:
            return variant == '0' ? "A -2" : "A -1";
    }
}

}  // namespace

std::string CaptionModelPart(std::string_view model) {
    return model == "RV-310" ? "RV-310/320" : std::string(model);
}

std::string MarketSuffix(std::string_view model, std::string_view marketCode) {
    const char letter = CharAt(marketCode, 1);
    if (IsHandheldModel(model)) return HandheldSuffix(letter);
    return MobileSuffix(letter, CharAt(marketCode, 2));
}

QString WindowCaption(std::string_view model, std::string_view marketCode,
                      const QString& fileName) {
    const std::string identity = CaptionModelPart(model) + MarketSuffix(model, marketCode);
    return QStringLiteral("TAVRIN [") + QString::fromLatin1(identity) + QStringLiteral("]  [") +
           fileName + QStringLiteral("]");
}
