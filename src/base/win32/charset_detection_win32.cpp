#include "base/charset_detection.h"

#include <windows.h>
#include <mlang.h>

#include <algorithm>
#include <climits>
#include <string>

namespace tenukiro {
namespace {

// The names the rest of the program knows a detected code page by.
std::string CodePageName(UINT codePage) {
  switch (codePage) {
    case 932: return "SHIFT_JIS";
    case 936:
    case 54936: return "GB18030";
    case 950: return "BIG5";
    case 949:
    case 51949: return "EUC-KR";
    case 20932:
    case 51932: return "EUC-JP";
    default: break;
  }
  if (codePage >= 1250 && codePage <= 1258) return "WINDOWS-" + std::to_string(codePage);
  return {};
}

// The interface's identifier, which MinGW's uuid library lacks.
constexpr IID kMultiLanguage2 = {0xdccfc164, 0x2b38, 0x11d2, {0xb7, 0xec, 0x00, 0xc0, 0x4f, 0x8f, 0x5d, 0x9a}};

// COM is started for the one call when the thread has not started it already.
class ComScope {
 public:
  ComScope() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (started_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool started_;
};

}  // namespace

// MLang's detection is the one the system's own programs use for text without a declared charset.
// Its best-scored answer is taken.
std::string DetectCharset(std::string_view sample) {
  ComScope com;
  IMultiLanguage2* detector = nullptr;
  if (FAILED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER, kMultiLanguage2,
                              reinterpret_cast<void**>(&detector))) ||
      !detector) {
    return {};
  }
  std::string bytes(sample.substr(0, std::min<size_t>(sample.size(), INT_MAX)));
  INT size = static_cast<INT>(bytes.size());
  DetectEncodingInfo found[8] = {};
  INT count = 8;
  std::string name;
  if (detector->DetectInputCodepage(MLDETECTCP_NONE, 0, bytes.data(), &size, found, &count) == S_OK && count > 0) {
    const DetectEncodingInfo* best = std::max_element(found, found + std::min<INT>(count, 8),
        [](const DetectEncodingInfo& a, const DetectEncodingInfo& b) { return a.nConfidence < b.nConfidence; });
    name = CodePageName(best->nCodePage);
  }
  detector->Release();
  return name;
}

}  // namespace tenukiro
