// Feeds arbitrary bytes through the reader and walks the whole show order, asking
// every game tree reached for its board size.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sgf/game_context.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tenukiro;
  GameContext context;
  SgfCollection collection(context);
  SgfText text(std::string_view(reinterpret_cast<const char*>(data), size));
  BeginParse(collection, text);
  collection.GetBoardSize();
  for (SgfNode* node = collection.NextNodePreorder(collection.Cursor(), text); node;
       node = collection.NextNodePreorder(node, text)) {
    collection.SelectVariation(node);
    collection.SetCursor(node);
    if (node == collection.CurrentRoot()) collection.GetBoardSize();
    for (const SgfProperty* property : node->Properties()) {
      for (const SgfValue* value : property->Values()) {
        if (const char* string = value->Text()) (void)std::string_view(string).size();
      }
    }
  }
  if (!text.IsGone()) __builtin_trap();
  return 0;
}
