#include "show/random_colours.h"

#include <algorithm>
#include <array>

#include "base/random_source.h"

namespace tenukiro {
namespace {

using Channels = std::array<int, 3>;  // red, green, blue

Color ToColor(const Channels& c) { return Rgb(LowByte(c[0]), LowByte(c[1]), LowByte(c[2])); }

Channels Complement(const Channels& c) { return {255 - c[0], 255 - c[1], 255 - c[2]}; }

double Brightness(const Channels& c) { return (c[0] + c[1] + c[2]) * 0.00130718954248366; }

// The accent channel of the board among the line colour's two free channels: the
// larger when the forced channel is 0, the smaller when it is 255; a tie picks the
// later channel when t is 0 and the earlier one when t is 1.
int AccentChannel(const Channels& line, int first, int second, int forcedHigh, int t) {
  if (line[first] == line[second]) return t == 0 ? second : first;
  const bool firstLarger = line[first] > line[second];
  return (firstLarger == (forcedHigh == 0)) ? first : second;
}

}  // namespace

double Brightness(Color c) { return Brightness(Channels{RedOf(c), GreenOf(c), BlueOf(c)}); }

void RandomizeColours(SettingsRecord& settings) { RandomizeColours(settings, RandomInt); }

void RandomizeColours(SettingsRecord& settings, const std::function<int(int)>& random) {
  Channels line{};
  const int forced = random(3);
  const int forcedHigh = random(2);
  line[forced] = forcedHigh ? 255 : 0;
  const int first = forced == 0 ? 1 : 0;
  const int second = forced == 2 ? 1 : 2;
  line[first] = random(256);
  line[second] = random(256);
  const int t = random(2);

  const int accent = AccentChannel(line, first, second, forcedHigh, t);
  Channels board{};
  for (int channel = 0; channel < 3; ++channel) {
    board[channel] = channel == accent ? 255 : 255 - (random(52) + 51);
  }
  const double lineBrightness = Brightness(line);
  if ((lineBrightness > 0.5 && Brightness(board) > 0.5) || (lineBrightness < 0.5 && Brightness(board) < 0.5)) {
    board = Complement(board);
  }
  // A bright board makes a vivid green line glare; it is toned down.
  if (Brightness(board) > 0.5 && line[1] > line[0] && line[1] > line[2]) line[1] = std::min(line[1], 127);

  const Color lineColour = ToColor(line);
  const Color complement = ToColor(Complement(line));
  settings.SetEffective(LineColor, static_cast<int32_t>(lineColour));
  settings.SetEffective(BackColor, static_cast<int32_t>(ToColor(board)));
  const Color black = lineBrightness < 0.5 ? lineColour : complement;
  const Color white = lineBrightness < 0.5 ? complement : lineColour;
  settings.SetEffective(BlackColor, static_cast<int32_t>(black));
  settings.SetEffective(WhiteColor, static_cast<int32_t>(white));

  constexpr Color kBlack = Rgb(0, 0, 0);
  constexpr Color kWhite = Rgb(255, 255, 255);
  settings.SetEffective(ScreenBackgroundColor, kBlack);
  settings.SetEffective(ScreenTextColor, kWhite);
  settings.SetEffective(AssistantBodyColor, static_cast<int32_t>(white));
  settings.SetEffective(AssistantExternColor, static_cast<int32_t>(white));
  settings.SetEffective(AssistantInternColor, static_cast<int32_t>(black));
  settings.SetEffective(AssistantOnomatopeiaColor, kWhite);
  settings.SetEffective(AssistantTextColor, kBlack);
  settings.SetEffective(AssistantBalloonColor, kWhite);
}

}  // namespace tenukiro
