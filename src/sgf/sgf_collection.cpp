#include "sgf/sgf_collection.h"

#include "sgf/sgf_reader.h"
#include "sgf/sgf_text.h"

namespace tenukiro {
namespace {

constexpr char kDefaultSize[] = "19";
constexpr int kSizeCharacters = 5;

int ClampBoardSize(int size) {
  if (size < 2) return 2;
  if (size > 18) return 19;
  return size;
}

}  // namespace

SgfNode* SgfCollection::CreateNode(SgfNode* current) {
  SgfNode* node = arena_.New<SgfNode>();
  node->collection_ = MakeLink(node, arena_.OwnerCell());
  ++nodeCount_;
  bool firstChild = false;
  if (!firstRoot_) {
    firstRoot_ = currentRoot_ = selectedRoot_ = node;
  } else if (current) {
    firstChild = AppendChild(current, node);
  } else {
    AppendRoot(node);
  }
  if (!firstChild || current != lastCreated_) chainTop_ = node;
  lastCreated_ = node;
  return node;
}

bool SgfCollection::AppendChild(SgfNode* parent, SgfNode* child) {
  child->SetParent(parent);
  if (!parent->firstChild_) {
    parent->SetFirstChild(child);
    parent->SetSelectedChild(child);
    return true;
  }
  ++laterChildren_;
  AppendSibling(parent->FirstChild(), child);
  return false;
}

void SgfCollection::AppendRoot(SgfNode* root) { AppendSibling(firstRoot_, root); }

void SgfCollection::AppendSibling(SgfNode* first, SgfNode* node) {
  SgfNode* last = first->PreviousSibling();
  node->SetNextSibling(first);
  node->SetPreviousSibling(last);
  last->SetNextSibling(node);
  first->SetPreviousSibling(node);
}

SgfNode* SgfCollection::SplitMove(SgfNode* node) {
  // One pass over the properties: this runs for every node read.
  bool setup = false;
  SgfProperty* black = nullptr;
  SgfProperty* white = nullptr;
  for (SgfProperty* property : node->Properties()) {
    const PropertyId id = property->Id();
    if (id == PROP_AB || id == PROP_AW || id == PROP_AE) setup = true;
    else if (id == PROP_B) black = property;
    else if (id == PROP_W) white = property;
  }
  SgfProperty* move = black ? black : white;
  if (!move || (!setup && node->Parent())) return node;
  const PropertyId id = move->Id();
  const PointValue point = node->PropertyPoint(id).value_or(PointValue{});
  node->RemoveProperty(id);
  SgfNode* child = CreateNode(node);
  child->SetPoint(id, point);
  return child;
}

void SgfCollection::PushVariation(SgfNode* current) {
  if (!variationStack_.empty() && variationStack_.back().node == current) {
    ++variationStack_.back().count;
    return;
  }
  variationStack_.push_back({current, 1});
}

SgfNode* SgfCollection::PopVariation(SgfNode* current) {
  if (variationStack_.empty()) return current;
  SgfNode* saved = variationStack_.back().node;
  if (--variationStack_.back().count == 0) variationStack_.pop_back();
  return saved;
}

void SgfCollection::ResetParse() {
  resumeNode_ = nullptr;
  variationStack_.clear();
}

void SgfCollection::GiveDefaultSize(SgfNode* root) {
  if (!root->FindProperty(PROP_SZ)) root->SetRawText(PROP_SZ, kDefaultSize);
}

void SgfCollection::CloseFirstTree() {
  if (!firstRoot_) CreateNode(nullptr);
  GiveDefaultSize(currentRoot_);
  lastSizedRoot_ = currentRoot_;
}

// Roots are only ever added at the end of the ring, so only those after the last
// one seen need a look; checking them all at every ')' would be quadratic.
void SgfCollection::CloseVariation() {
  if (!firstRoot_) return;
  SgfNode* root = lastSizedRoot_ ? lastSizedRoot_->NextSibling() : firstRoot_;
  if (lastSizedRoot_ && root == firstRoot_) return;
  do {
    GiveDefaultSize(root);
    lastSizedRoot_ = root;
    root = root->NextSibling();
  } while (root != firstRoot_);
}

// As at each ')', only the roots read since the last one need a look: visiting
// all of a large collection's roots again costs a cache miss each.
void SgfCollection::FinishTree() {
  if (!firstRoot_) CreateNode(nullptr);
  CloseVariation();
}

SgfNode* SgfCollection::ClimbToNextSibling(SgfNode* node) {
  for (SgfNode* level = node; level; level = level->Parent()) {
    SgfNode* sibling = level->NextSibling();
    const SgfNode* parent = level->Parent();
    const SgfNode* first = parent ? parent->FirstChild() : firstRoot_;
    if (sibling == first) continue;
    if (!parent) currentRoot_ = sibling;
    return sibling;
  }
  return nullptr;
}

// Nodes are created in show order (children and roots are only ever appended
// after the last node read), so only the last node created can fail to find a
// successor by climbing. Climbing again from it after a parse call that added
// nothing would fail again; skipping that keeps deep trees linear.
SgfNode* SgfCollection::NextAfterLeaf(SgfNode* node, SgfText& text) {
  bool climb = node != lastCreated_;
  SgfNode* start = node == lastCreated_ ? chainTop_ : node;
  const uint64_t laterChildren = laterChildren_;
  for (;;) {
    const uint64_t before = nodeCount_;
    ContinueParse(*this, text);
    // A parse call can give a leaf its first child, e.g. "(;A();B)".
    if (SgfNode* child = node->FirstChild()) return child;
    if (nodeCount_ != before) climb = true;
    if (climb) {
      if (laterChildren_ != laterChildren) start = node;
      if (SgfNode* next = ClimbToNextSibling(start)) return next;
      climb = false;
    }
    if (text.IsGone()) return nullptr;
  }
}

bool SgfCollection::GetBoardSize() {
  const char* size = currentRoot_ ? currentRoot_->PropertyString(PROP_SZ) : nullptr;
  if (!size) return false;
  int numbers[2] = {0, 0};
  bool separator = false;
  for (int i = 0; i < kSizeCharacters && size[i] != '\0'; ++i) {
    const char c = size[i];
    if (!separator && (c == ':' || c == 'x')) separator = true;
    else if (c >= '0' && c <= '9') numbers[separator] = numbers[separator] * 10 + (c - '0');
  }
  const int columns = ClampBoardSize(numbers[0]);
  const int rows = separator ? ClampBoardSize(numbers[1]) : columns;
  context_->columnsPlus1 = static_cast<uint8_t>(columns + 1);
  context_->rowsPlus1 = static_cast<uint8_t>(rows + 1);
  return true;
}

}  // namespace tenukiro
