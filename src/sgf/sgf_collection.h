#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "sgf/game_context.h"
#include "sgf/sgf_arena.h"
#include "sgf/sgf_node.h"
#include "sgf/record_charset.h"

namespace tenukiro {

class SgfText;

// Everything read from one game file: the game trees (their roots form a ring that
// starts at the first root), their nodes, properties and values, and the show's
// place in them. The collection owns all of it; destroying it frees every tree at
// once, whatever its depth.
//
// Show order: after BeginParse the cursor is the first root. Each step calls
// NextNodePreorder(cursor), SelectVariation on the result, applies it and moves
// the cursor there.
class SgfCollection {
 public:
  // A record stops growing at this many nodes (about 1.2 GB of tree): the rest of
  // its text is dropped as if the file ended there, so no file can exhaust memory.
  static constexpr uint64_t kDefaultNodeLimit = 20'000'000;

  // `memory` may be what an earlier collection gave up (TakeMemory): its pages are
  // then filled again rather than faulted in afresh.
  explicit SgfCollection(GameContext& context, SgfArena memory = {}, uint64_t nodeLimit = kDefaultNodeLimit)
      : context_(&context), arena_(std::move(memory)), nodeLimit_(nodeLimit) {
    arena_.Clear();
    arena_.SetOwner(this);
  }
  SgfCollection(const SgfCollection&) = delete;
  SgfCollection& operator=(const SgfCollection&) = delete;

  // Gives up the memory of the whole tree for the next record to reuse; the
  // collection may then only be destroyed.
  SgfArena TakeMemory() && { return std::move(arena_); }

  GameContext& Context() const { return *context_; }

  // The node the show stands on (may be null).
  SgfNode* Cursor() const { return cursor_; }
  void SetCursor(SgfNode* node) { cursor_ = node; }
  // The root of the game tree being shown.
  SgfNode* CurrentRoot() const { return currentRoot_; }
  // The first root of the file; the others follow it in its sibling ring.
  SgfNode* FirstRoot() const { return firstRoot_; }
  // The root on the line being shown (the first root until another is selected).
  SgfNode* SelectedRoot() const { return selectedRoot_; }

  // The next node in show order: depth first, main line first, then the next game
  // tree (which becomes the current root). Parses more of `text` when the parsed
  // tree runs out; null once the text is gone and no node is left. Never recurses.
  SgfNode* NextNodePreorder(SgfNode* node, SgfText& text) {
    if (!node) return nullptr;
    if (SgfNode* child = node->FirstChild()) return child;
    return NextAfterLeaf(node, text);
  }

  // Marks `node` as the one child of its parent (or the one root) on the line shown.
  void SelectVariation(SgfNode* node) {
    if (!node) return;
    if (SgfNode* parent = node->Parent()) parent->SetSelectedChild(node);
    else selectedRoot_ = node;
  }

  // The selected child of `node`; null for a leaf.
  static SgfNode* NextInLine(const SgfNode* node) { return node ? node->SelectedChild() : nullptr; }

  // Reads SZ of the current root into the context ("19", "9:13", "9x13"; sizes
  // are clamped to 2..19). False, leaving the context alone, when there is no SZ.
  bool GetBoardSize();

  // The charset the record's text was read in (BeginParse takes it from the text).
  const RecordCharset& Charset() const { return charset_; }
  void SetCharset(const RecordCharset& charset) { charset_ = charset; }

  // Number of nodes created so far.
  uint64_t NodeCount() const { return nodeCount_; }
  // Whether the reader may add no more nodes. A node and the move split off it
  // count as two, so the limit keeps one node in reserve.
  bool AtNodeLimit() const { return nodeCount_ + 1 >= nodeLimit_; }

  // Used by the reader and the tree edits.
  SgfArena& Arena() { return arena_; }
  // Creates a node below `current`: the first node of the file becomes the first
  // root; with a current node it becomes its last child (selected when first);
  // otherwise it becomes a new, unselected root after the others.
  SgfNode* CreateNode(SgfNode* current);
  // A node that has setup (AB, AW, AE) or is a root does not keep its move (B
  // before W): the move goes into a new selected child, which is returned.
  // Otherwise returns `node`.
  SgfNode* SplitMove(SgfNode* node);
  // The variation stack: '(' pushes the current node, ')' pops it back.
  void PushVariation(SgfNode* current);
  SgfNode* PopVariation(SgfNode* current);
  bool VariationStackEmpty() const { return variationStack_.empty(); }
  void ResetParse();
  SgfNode* ResumeNode() const { return resumeNode_; }
  void SetResumeNode(SgfNode* node) { resumeNode_ = node; }
  // Closing steps: at the first ')', at each later one, and at the end of text.
  void CloseFirstTree();
  void CloseVariation();
  void FinishTree();

 private:
  struct StackEntry {
    SgfNode* node;
    size_t count;  // consecutive '(' that saved the same node
  };

  // True when `child` is the first child of `parent`.
  bool AppendChild(SgfNode* parent, SgfNode* child);
  void AppendRoot(SgfNode* root);
  // Links `node` at the end of the sibling ring that starts at `first`.
  void AppendSibling(SgfNode* first, SgfNode* node);
  void GiveDefaultSize(SgfNode* root);
  SgfNode* ClimbToNextSibling(SgfNode* node);
  // NextNodePreorder from a node that has no child yet.
  SgfNode* NextAfterLeaf(SgfNode* node, SgfText& text);

  GameContext* context_;
  SgfArena arena_;
  SgfNode* cursor_ = nullptr;
  SgfNode* currentRoot_ = nullptr;
  SgfNode* firstRoot_ = nullptr;
  SgfNode* selectedRoot_ = nullptr;
  SgfNode* resumeNode_ = nullptr;
  // Roots up to this one already have their default size.
  SgfNode* lastSizedRoot_ = nullptr;
  SgfNode* lastCreated_ = nullptr;
  // The top of the chain of only children that ends at the last node created: a
  // climb from that node can start at the top as long as no child has been added
  // beside a first child since (laterChildren_ counts those).
  SgfNode* chainTop_ = nullptr;
  uint64_t laterChildren_ = 0;
  std::vector<StackEntry> variationStack_;
  RecordCharset charset_;
  uint64_t nodeLimit_;
  uint64_t nodeCount_ = 0;
};

}  // namespace tenukiro
