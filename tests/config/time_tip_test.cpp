#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "config/time_tip.h"
#include "settings/time_scale.h"

namespace tenukiro {
namespace {

TEST(TimeTip, ShowsFourDigitsAndTheLanguagesDecimalSeparator) {
  struct Case { int32_t position; const char* english; const char* french; };
  for (const Case c : {Case{0, "0.010 s", "0,010 s"}, Case{21, "0.110 s", "0,110 s"}, Case{40, "1.000 s", "1,000 s"},
                       Case{59, "9.000 s", "9,000 s"}, Case{60, "10.00 s", "10,00 s"}, Case{63, "14.00 s", "14,00 s"},
                       Case{79, "90.00 s", "90,00 s"}, Case{80, "100.0 s", "100,0 s"},
                       Case{100, "1000.0 s", "1000,0 s"}}) {
    EXPECT_EQ(TimeTipText(c.position, false), c.english) << "position " << c.position;
    EXPECT_EQ(TimeTipText(c.position, true), c.french) << "position " << c.position;
  }
}

TEST(TimeTip, EveryPositionReadsBackAsItsTime) {
  for (int32_t position = 0; position <= 100; ++position) {
    const std::string tip = TimeTipText(position, false);
    ASSERT_EQ(tip.substr(tip.size() - 2), " s");
    const double seconds = std::strtod(tip.c_str(), nullptr);
    EXPECT_NEAR(seconds * 1000, TimeIndexToMs(position), 1e-6) << tip;
    // Four significant digits: one digit fewer after the point for each decade.
    const size_t point = tip.find('.');
    ASSERT_NE(point, std::string::npos);
    const size_t decimals = tip.size() - 2 - point - 1;
    EXPECT_EQ(decimals, TimeIndexToMs(position) < 10000 ? 3u : TimeIndexToMs(position) < 100000 ? 2u : 1u) << tip;
  }
}

}  // namespace
}  // namespace tenukiro
