#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "settings/setting_table.h"
#include "settings/time_scale.h"

// The settings page that XScreenSaver shows for the hack must speak the program's
// own language: every switch names a setting, every value is one the program keeps
// as it is (no clamping), and a choice that adds no switch stands for the default.
namespace tenukiro {
namespace {

std::string ReadXml() {
  std::ifstream in(TENUKIRO_SOURCE_DIR "/resources/xscreensaver/tenukiro.xml");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Attribute(const std::string& element, const std::string& name) {
  std::smatch match;
  const std::regex pattern("\\s" + name + "=\"([^\"]*)\"");
  return std::regex_search(element, match, pattern) ? match[1].str() : std::string();
}

std::vector<std::string> Elements(const std::string& text, const std::string& tag) {
  std::vector<std::string> elements;
  const std::regex pattern("<" + tag + "\\s[^>]*>");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it) {
    elements.push_back(it->str());
  }
  return elements;
}

struct SetSwitch {
  SettingId id;
  int32_t value;
};

// "--set Name=Value" as the program reads it; a failure names what is wrong.
SetSwitch ParseSetSwitch(const std::string& arg) {
  std::smatch match;
  const std::regex pattern("--set ([A-Za-z0-9]+)=(-?[0-9]+)");
  if (!std::regex_match(arg, match, pattern)) {
    ADD_FAILURE() << "'" << arg << "' is not one '--set Name=Integer'";
    return {kSettingCount, 0};
  }
  const auto id = FindSettingByName(match[1].str());
  if (!id) {
    ADD_FAILURE() << "'" << arg << "' names no setting";
    return {kSettingCount, 0};
  }
  return {*id, std::stoi(match[2].str())};
}

bool IsBoolean(SettingId id) { return InfoOf(id).optionForm == OptionForm::Boolean || id == RandomAccess; }

// What the program does with a value: a time index or a number in its range, as is.
void ExpectKeptAsGiven(const SetSwitch& set, const std::string& arg) {
  const SettingInfo& info = InfoOf(set.id);
  ASSERT_NE(info.kind, SettingKind::Color) << arg;
  if (info.kind == SettingKind::Time) {
    EXPECT_TRUE(set.value >= 0 && set.value <= 100) << arg << ": not a time index";
  } else if (IsBoolean(set.id)) {
    EXPECT_TRUE(set.value == 0 || set.value == 1) << arg;
  } else {
    EXPECT_TRUE(info.clamped && set.value >= info.low && set.value <= info.high) << arg << ": out of range";
  }
}

int32_t DefaultInProfileUnits(SettingId id) {
  const SettingInfo& info = InfoOf(id);
  return info.kind == SettingKind::Time ? MsToTimeIndex(info.defaultValue) : info.defaultValue;
}

// "0.3 s per move" -> 300.
std::optional<int32_t> LabelMilliseconds(const std::string& label) {
  std::smatch match;
  if (!std::regex_search(label, match, std::regex("^([0-9]+(\\.[0-9]+)?) s\\b"))) return std::nullopt;
  return static_cast<int32_t>(std::stod(match[1].str()) * 1000 + 0.5);
}

TEST(XScreenSaverOptions, TheFileIsThere) {
  const std::string xml = ReadXml();
  ASSERT_FALSE(xml.empty());
  EXPECT_EQ(Attribute(Elements(xml, "screensaver").at(0), "name"), "tenukiro");
  EXPECT_EQ(Attribute(Elements(xml, "command").at(0), "arg"), "--root");
  // A "%" value cannot be read back by the settings dialog unless it is the only
  // one of its switch; the records are the one value, and they take no switch.
  std::vector<std::string> valued;
  for (const std::string tag : {"number", "string", "file"}) {
    for (const std::string& element : Elements(xml, tag)) valued.push_back(Attribute(element, "arg"));
  }
  EXPECT_EQ(valued, std::vector<std::string>{"%"});
  // XScreenSaver starts the hack once per monitor; a show on every monitor from each would stack them.
  EXPECT_EQ(xml.find(InfoOf(AllScreens).name), std::string::npos);
}

TEST(XScreenSaverOptions, BooleansShowTheProgramsDefaultWhenTheyAddNothing) {
  const std::vector<std::string> booleans = Elements(ReadXml(), "boolean");
  EXPECT_GE(booleans.size(), 8u);
  for (const std::string& element : booleans) {
    const std::string set = Attribute(element, "arg-set");
    const std::string unset = Attribute(element, "arg-unset");
    ASSERT_NE(set.empty(), unset.empty()) << element << ": exactly one of arg-set and arg-unset";
    const std::string& arg = set.empty() ? unset : set;
    const SetSwitch parsed = ParseSetSwitch(arg);
    if (parsed.id == kSettingCount) continue;
    EXPECT_TRUE(IsBoolean(parsed.id)) << arg;
    ExpectKeptAsGiven(parsed, arg);
    // Ticked adds nothing for arg-unset, so the default must be on; and the reverse.
    const int32_t ticked = set.empty() ? DefaultInProfileUnits(parsed.id) : parsed.value;
    EXPECT_EQ(ticked, 1) << element;
    EXPECT_NE(parsed.value, DefaultInProfileUnits(parsed.id)) << element << ": the switch changes nothing";
  }
}

TEST(XScreenSaverOptions, EveryMenuHasOneDefaultAndOtherwiseValuesTheProgramKeeps) {
  const std::string xml = ReadXml();
  const std::regex selectPattern("<select\\s[^>]*>([\\s\\S]*?)</select>");
  int menus = 0;
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), selectPattern); it != std::sregex_iterator(); ++it) {
    ++menus;
    const std::string body = (*it)[1].str();
    int defaults = 0;
    std::optional<SettingId> menuSetting;
    std::vector<int32_t> values;
    std::string defaultLabel;
    for (const std::string& option : Elements(body, "option")) {
      const std::string arg = Attribute(option, "arg-set");
      if (arg.empty()) {
        ++defaults;
        defaultLabel = Attribute(option, "_label");
        continue;
      }
      const SetSwitch parsed = ParseSetSwitch(arg);
      if (parsed.id == kSettingCount) continue;
      ExpectKeptAsGiven(parsed, arg);
      EXPECT_TRUE(!menuSetting || *menuSetting == parsed.id) << arg << ": one menu, one setting";
      menuSetting = parsed.id;
      EXPECT_NE(parsed.value, DefaultInProfileUnits(parsed.id)) << arg << ": the default has its own entry";
      EXPECT_EQ(std::count(values.begin(), values.end(), parsed.value), 0) << arg << ": twice in one menu";
      values.push_back(parsed.value);
      if (InfoOf(parsed.id).kind == SettingKind::Time) {
        EXPECT_EQ(LabelMilliseconds(Attribute(option, "_label")), TimeIndexToMs(parsed.value)) << option;
      }
    }
    EXPECT_EQ(defaults, 1) << body;
    ASSERT_TRUE(menuSetting) << body;
    if (InfoOf(*menuSetting).kind == SettingKind::Time) {
      EXPECT_EQ(LabelMilliseconds(defaultLabel), InfoOf(*menuSetting).defaultValue) << defaultLabel;
    }
  }
  EXPECT_GE(menus, 4);
}

}  // namespace
}  // namespace tenukiro
