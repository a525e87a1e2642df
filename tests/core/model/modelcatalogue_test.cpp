#include "core/model/modelcatalogue.h"

#include <gtest/gtest.h>

#include "core/model/caption.h"
#include "core/model/modelprofile.h"
#include "support/everyconfiguration.h"

namespace {

class CatalogueOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueOfEveryConfiguration, IsCurrentForItsOwnConfigurationOnly) {
    const int row = GetParam();
    const TModelInfo& info = ModelCatalogue()[static_cast<size_t>(row)];
    EXPECT_EQ(CatalogueRowOf(info.Model, info.MarketCode), row) << info.Caption;
    EXPECT_EQ(DefaultBandLimit(info.Model, info.MarketCode), info.BandLimit) << info.Caption;
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(CatalogueOfEveryConfiguration);

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

class ProfileOfEveryConfiguration : public ::testing::TestWithParam<int> {};

TEST_P(ProfileOfEveryConfiguration, GetsItsBandLimitItsFamilysCountsSlotsAndDelay) {
    const TModelInfo& row = RowOf(GetParam());
    const TModelProfile profile = ProfileOf(row.Model, row.MarketCode);
    EXPECT_NE(profile.Family, TModelFamily::Unknown) << row.Caption;
    EXPECT_EQ(profile.BandLimit, row.BandLimit) << row.Caption;
    EXPECT_STREQ(profile.ChannelCounts.Smaller, row.ChannelCount) << row.Caption;
    EXPECT_EQ(profile.UsedMenuSlots, profile.IsHandheld() ? 26 : 36) << row.Caption;
    EXPECT_EQ(profile.CommandDelay,
              profile.IsMobile() ? kMobileCommandDelay : std::chrono::milliseconds(0))
        << row.Caption;
}

INSTANTIATE_FOR_EVERY_CONFIGURATION(ProfileOfEveryConfiguration);

using F = TModelFamily;

struct TProfileCase {
    const char* Model;
    const char* MarketCode;
    F Family;
    int BandMhz;
    int HighestTypedMhz;
    bool CarriesAlEntry;  // and so no tone burst
    bool HasWeatherAlert;
    bool JapaneseComment;  // and so no DTMF Hold
    bool Minus76Market;
    bool OffersMinus76Shift;
};

class Profile : public ::testing::TestWithParam<TProfileCase> {};

TEST_P(Profile, AnswersForModelAndMarket) {
    const TProfileCase& c = GetParam();
    const TModelProfile profile = ProfileOf(c.Model, c.MarketCode);
    EXPECT_EQ(profile.Family, c.Family);
    EXPECT_EQ(profile.BandMhz, c.BandMhz);
    EXPECT_EQ(profile.HighestTypedMhz, c.HighestTypedMhz);
    EXPECT_EQ(profile.CarriesAlEntry, c.CarriesAlEntry);
    EXPECT_EQ(profile.OffersToneBurst, !c.CarriesAlEntry);
    EXPECT_EQ(profile.HasWeatherAlert, c.HasWeatherAlert);
    EXPECT_EQ(profile.JapaneseComment, c.JapaneseComment);
    EXPECT_EQ(profile.HasDtmfHold, !c.JapaneseComment);
    EXPECT_EQ(profile.Minus76Market, c.Minus76Market);
    EXPECT_EQ(profile.OffersMinus76Shift, c.OffersMinus76Shift);
}

// The U.S.A./Canada 430 MHz handheld has no row: it carries AL without a weather alert.
INSTANTIATE_TEST_SUITE_P(
    Configurations, Profile,
    ::testing::Values(
        TProfileCase{"PX-A5", "AKF0", F::Handheld, 144, 469, true, true, false, false, false},
        TProfileCase{"PX-A5", "AEB0", F::Handheld, 144, 469, false, false, false, true, false},
        TProfileCase{"PX-A7", "JJ10", F::Handheld, 430, 469, false, false, true, false, false},
        TProfileCase{"PX-A7", "AEB0", F::Handheld, 430, 469, false, false, false, true, true},
        TProfileCase{"PX-A7", "AE9", F::Handheld, 430, 469, false, false, false, true, false},
        TProfileCase{"PX-A7", "AK10", F::Handheld, 440, 469, true, false, false, false, false},
        TProfileCase{"RV-310", "MKF", F::Mobile, 144, 469, true, true, false, false, false},
        TProfileCase{"RV-350", "MC0", F::Mobile, 430, 479, false, false, false, false, false},
        TProfileCase{"RV-380", "MM2", F::Mobile, 430, 469, false, false, false, false, false},
        TProfileCase{"RV-999", "MK2", F::Unknown, 440, 469, true, false, false, false, false}));

struct TMarketCase {
    const char* Model;
    const char* MarketCode;
    const char* Suffix;
    const char* BandLimit;
    TBandDefaults VfoCall;
    TEditorDefaults Editor;
    bool AutoRepeaterOffset;
};

class UnlistedMarket : public ::testing::TestWithParam<TMarketCase> {};

// A transceiver may report a market the catalogue has no row for, or a variant its row
// does not name: the market's rules still decide by letter and variant.
TEST_P(UnlistedMarket, FollowsTheRulesOfItsLetterAndVariant) {
    const TMarketCase& c = GetParam();
    const TModelProfile& profile = ProfileOf(c.Model, c.MarketCode);
    EXPECT_STREQ(profile.CaptionSuffix, c.Suffix);
    EXPECT_EQ(profile.BandLimit, c.BandLimit);
    EXPECT_STREQ(profile.VfoCallDefaults.Frequency, c.VfoCall.Frequency);
    EXPECT_EQ(profile.VfoCallDefaults.StepCode, c.VfoCall.StepCode);
    EXPECT_STREQ(profile.VfoCallDefaults.VfoOffset, c.VfoCall.VfoOffset);
    EXPECT_STREQ(profile.VfoCallDefaults.CallOffset, c.VfoCall.CallOffset);
    EXPECT_STREQ(profile.EditorDefaults.Frequency, c.Editor.Frequency);
    EXPECT_EQ(profile.EditorDefaults.StepCode, c.Editor.StepCode);
    EXPECT_STREQ(profile.EditorDefaults.Offset, c.Editor.Offset);
    EXPECT_EQ(profile.AutoRepeaterOffset, c.AutoRepeaterOffset);
    EXPECT_EQ(&ProfileOf(c.Model, c.MarketCode), &profile);
}

INSTANTIATE_TEST_SUITE_P(LettersAndVariants, UnlistedMarket,
                         ::testing::Values(TMarketCase{"PX-A7",
                                                       "AE9",
                                                       "E",
                                                       "0430,0439",
                                                       {"0430000000", '6', "01600000", "01600000"},
                                                       {"0432000000", '6', "01600000"},
                                                       false},
                                           TMarketCase{"PX-A7",
                                                       "AC2",
                                                       "A",
                                                       "",
                                                       {"0430000000", '6', "05000000", "05000000"},
                                                       {"0430000000", '6', "05000000"},
                                                       false},
                                           TMarketCase{"RV-310",
                                                       "MMA",
                                                       "A -4",
                                                       "0136,0173",
                                                       {"0144000000", '3', "00600000", "00600000"},
                                                       {"0144000000", '3', "00600000"},
                                                       false},
                                           TMarketCase{"RV-310",
                                                       "AX0",
                                                       "A -2",
                                                       "",
                                                       {"0144000000", '3', "00600000", "00600000"},
                                                       {"0144000000", '3', "00600000"},
                                                       true},
                                           TMarketCase{"RV-350",
                                                       "AM9",
                                                       "A -3",
                                                       "",
                                                       {"0432000000", '6', "01600000", "01600000"},
                                                       {"0410000000", '6', "05000000"},
                                                       false},
                                           TMarketCase{"RV-350",
                                                       "MC7",
                                                       "A -1",
                                                       "0440,0479",
                                                       {"0410000000", '6', "05000000", "05000000"},
                                                       {"0410000000", '6', "05000000"},
                                                       false},
                                           TMarketCase{"RV-380",
                                                       "AE0",
                                                       "E",
                                                       "",
                                                       {"0430000000", '6', "01600000", "01600000"},
                                                       {"0450000000", '6', "01600000"},
                                                       false}));

TEST(Profile, KnowsTheModelsAnIdentificationNames) {
    EXPECT_EQ(ModelOfIdentity("RV-320"), "RV-310");
    EXPECT_EQ(ModelOfIdentity("PX-A7"), "PX-A7");
    EXPECT_EQ(ModelOfIdentity("RV-390"), "");
    EXPECT_STREQ(ProfileOf("RV-999", "MM2").ChannelCounts.Smaller, "");
    EXPECT_STREQ(ProfileOf("RV-310", "MED").StepCodes, "A0123456789");
    EXPECT_STREQ(ProfileOf("RV-350", "MC1").StepCodes, "0123456789");
}

}  // namespace
