#include "core/model/modelcatalogue.h"

#include <gtest/gtest.h>

#include "core/model/caption.h"

namespace {

TEST(Catalogue, EveryRowIsCurrentForItsOwnConfigurationOnly) {
    for (int row = 0; row < kCatalogueRows; ++row) {
        const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(row)];
        EXPECT_EQ(CatalogueRowOf(info.Model, info.MarketCode), row) << info.Caption;
        EXPECT_EQ(DefaultBandLimit(info.Model, info.MarketCode), info.BandLimit) << info.Caption;
    }
}

TEST(Catalogue, MatchesByModelMarketLetterAndVariant) {
    EXPECT_EQ(CatalogueRowOf("PX-A5", "XKZZ"), 0);
    EXPECT_EQ(CatalogueRowOf("RV-310", "MMA"), 11);
    EXPECT_EQ(CatalogueRowOf("RV-310", "MM7"), -1);
    EXPECT_EQ(CatalogueRowOf("RV-380", "MM3"), -1);
    EXPECT_EQ(CatalogueRowOf("RV-380", "MM"), -1);
    EXPECT_EQ(CatalogueRowOf("RV-320", "MKF"), -1);
    EXPECT_EQ(CatalogueRowOf("px-a5", "AKF0"), -1);
    EXPECT_EQ(CatalogueRowOf("", ""), -1);
}

TEST(DefaultBandLimit, CoversTheCombinationsNoRowNames) {
    EXPECT_EQ(DefaultBandLimit("PX-A5", "AJ10"), "0144,0145");
    EXPECT_EQ(DefaultBandLimit("PX-A7", "AK10"), "");
    EXPECT_EQ(DefaultBandLimit("RV-310", "MMA"), "0136,0173");
    EXPECT_EQ(DefaultBandLimit("RV-350", "MC7"), "0440,0479");
    EXPECT_EQ(DefaultBandLimit("RV-380", "MM9"), "");
    EXPECT_EQ(DefaultBandLimit("RV-999", "MM2"), "");
}

struct TCaptionCase {
    const char* Model;
    const char* MarketCode;
    const char* Caption;
};

class Caption : public ::testing::TestWithParam<TCaptionCase> {};

TEST_P(Caption, ShowsModelMarketSuffixAndFileName) {
    const TCaptionCase& c = GetParam();
    EXPECT_EQ(WindowCaption(c.Model, c.MarketCode, QStringLiteral("Untitled")).toStdString(),
              c.Caption);
}

INSTANTIATE_TEST_SUITE_P(
    EverySuffix, Caption,
    ::testing::Values(TCaptionCase{"PX-A5", "JJ10", "TAVRIN [PX-A5]  [Untitled]"},
                      TCaptionCase{"PX-A5", "AKF0", "TAVRIN [PX-A5A]  [Untitled]"},
                      TCaptionCase{"PX-A7", "AEB0", "TAVRIN [PX-A7E]  [Untitled]"},
                      TCaptionCase{"PX-A7", "AM70", "TAVRIN [PX-A7A]  [Untitled]"},
                      TCaptionCase{"RV-310", "MKF", "TAVRIN [RV-310/320A -1]  [Untitled]"},
                      TCaptionCase{"RV-310", "MED", "TAVRIN [RV-310/320E]  [Untitled]"},
                      TCaptionCase{"RV-310", "MM8", "TAVRIN [RV-310/320A -2]  [Untitled]"},
                      TCaptionCase{"RV-310", "MM9", "TAVRIN [RV-310/320A -3]  [Untitled]"},
                      TCaptionCase{"RV-310", "MMB", "TAVRIN [RV-310/320A -4]  [Untitled]"},
                      TCaptionCase{"RV-310", "MMA", "TAVRIN [RV-310/320A -4]  [Untitled]"},
                      TCaptionCase{"RV-380", "MM2", "TAVRIN [RV-380]  [Untitled]"},
                      TCaptionCase{"RV-350", "MC0", "TAVRIN [RV-350A -2]  [Untitled]"},
                      TCaptionCase{"RV-350", "MC1", "TAVRIN [RV-350A -1]  [Untitled]"},
                      TCaptionCase{"RV-350", "M", "TAVRIN [RV-350A -1]  [Untitled]"}));

TEST(Caption, CarriesTheFullFileName) {
    EXPECT_EQ(WindowCaption("RV-350", "MC1", QStringLiteral("/home/ham/Räume.tvr")),
              QStringLiteral("TAVRIN [RV-350A -1]  [/home/ham/Räume.tvr]"));
}

}  // namespace
