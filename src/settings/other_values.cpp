#include "settings/other_values.h"

namespace tenukiro {

int32_t ReadMouseThreshold(const Profile& profile) { return profile.ReadInt("MouseThreshold", 100); }

int32_t ReadPasswordDelay(const Profile& profile) { return profile.ReadInt("PasswordDelay", 10); }

int32_t ReadLastPage(const Profile& profile) { return profile.ReadInt("LastPage", 0); }

void WriteLastPage(Profile& profile, int32_t page) { profile.WriteInt("LastPage", page); }

std::string ReadInitialDir(const Profile& profile) { return profile.ReadText("InitialDir", ""); }

void WriteInitialDir(Profile& profile, const std::string& folder) { profile.WriteText("InitialDir", folder); }

CustomColours LoadCustomColours(const Profile& profile) {
  CustomColours colours{};
  for (int i = 0; i < 16; ++i) {
    const std::string index = std::to_string(i);
    const int red = profile.ReadInt("CustColorRed" + index, 255);
    const int green = profile.ReadInt("CustColorGreen" + index, i == 0 ? 170 : 255);
    const int blue = profile.ReadInt("CustColorBlue" + index, i == 0 ? 85 : 255);
    colours[i] = Rgb(LowByte(red), LowByte(green), LowByte(blue));
  }
  return colours;
}

void SaveCustomColours(Profile& profile, const CustomColours& colours) {
  for (int i = 0; i < 16; ++i) {
    const std::string index = std::to_string(i);
    profile.WriteInt("CustColorRed" + index, RedOf(colours[i]));
    profile.WriteInt("CustColorGreen" + index, GreenOf(colours[i]));
    profile.WriteInt("CustColorBlue" + index, BlueOf(colours[i]));
  }
}

std::string PatternFileName(const Profile& profile, PatternFile which) {
  switch (which) {
    case PatternFile::Background:
      return profile.ReadText("BackgroundImage", "BACKGR.BMP");
    case PatternFile::BlackStones:
      return profile.ReadText("BlackStonesImage", "BLACKS.BMP");
    case PatternFile::WhiteStones:
      return profile.ReadText("WhiteStonesImage", "WHITES.BMP");
  }
  return {};
}

}  // namespace tenukiro
