#pragma once

#include <QString>
#include <string>
#include <string_view>

// The model text of the caption: the model's own, or the name its profile gives it where
// one model stands for two.
std::string CaptionModelPart(std::string_view model);

// The market suffix after the model in the caption ("A", "E", "A -1", ...).
std::string MarketSuffix(std::string_view model, std::string_view marketCode);

// "TAVRIN [model+suffix]  [file name]".
QString WindowCaption(std::string_view model, std::string_view marketCode, const QString& fileName);
