#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tenukiro {

// A per-user store of named values (the "Config" section of the application's
// profile). Values are kept as text: a store that reloads from disk hands every
// value back as a string, so integers are parsed here, strictly.
class Profile {
 public:
  virtual ~Profile() = default;

  virtual std::optional<std::string> ReadText(std::string_view name) const = 0;
  virtual void WriteText(std::string_view name, std::string_view value) = 0;

  // A value that is missing, not a whole decimal number, or outside 32 bits reads as nothing.
  std::optional<int32_t> ReadInt(std::string_view name) const;
  int32_t ReadInt(std::string_view name, int32_t fallback) const;
  std::string ReadText(std::string_view name, std::string_view fallback) const;
  void WriteInt(std::string_view name, int32_t value);
};

// Parses optional blanks, an optional sign and decimal digits that fill the whole
// text; anything else (empty text, trailing letters, overflow) gives nothing.
std::optional<int32_t> ParseProfileInt(std::string_view text);

// A profile held in memory: the store of tests and of runs without a settings file.
class MemoryProfile : public Profile {
 public:
  std::optional<std::string> ReadText(std::string_view name) const override;
  void WriteText(std::string_view name, std::string_view value) override;

  const std::map<std::string, std::string, std::less<>>& Values() const { return values_; }

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

// A profile seen through run-time overrides (the command line's --set Name=Value):
// reads prefer an override, writes go to the underlying store untouched.
class OverriddenProfile : public Profile {
 public:
  explicit OverriddenProfile(Profile& base) : base_(base) {}

  void Override(std::string_view name, std::string_view value);

  std::optional<std::string> ReadText(std::string_view name) const override;
  void WriteText(std::string_view name, std::string_view value) override;

 private:
  Profile& base_;
  std::map<std::string, std::string, std::less<>> overrides_;
};

}  // namespace tenukiro
