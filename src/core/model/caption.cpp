#include "core/model/caption.h"

#include "core/model/modelprofile.h"

std::string CaptionModelPart(std::string_view model) {
    const char* name = ProfileOf(model, {}).CaptionName;
    return name ? std::string(name) : std::string(model);
}

std::string MarketSuffix(std::string_view model, std::string_view marketCode) {
    return ProfileOf(model, marketCode).CaptionSuffix;
}

QString WindowCaption(std::string_view model, std::string_view marketCode,
                      const QString& fileName) {
    const std::string identity = CaptionModelPart(model) + MarketSuffix(model, marketCode);
    return QStringLiteral("TAVRIN [") + QString::fromLatin1(identity) + QStringLiteral("]  [") +
           fileName + QStringLiteral("]");
}
