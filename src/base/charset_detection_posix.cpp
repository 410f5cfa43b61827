#include "base/charset_detection.h"

#include <uchardet/uchardet.h>

namespace tenukiro {

std::string DetectCharset(std::string_view sample) {
  uchardet_t detector = uchardet_new();
  if (!detector) return {};
  std::string name;
  if (uchardet_handle_data(detector, sample.data(), sample.size()) == 0) {
    uchardet_data_end(detector);
    if (const char* found = uchardet_get_charset(detector)) name = found;
  }
  uchardet_delete(detector);
  return name;
}

}  // namespace tenukiro
