#pragma once

#include <new>
#include <optional>
#include <string_view>

#include "sgf/arena_link.h"
#include "sgf/property_id.h"
#include "sgf/ring_range.h"
#include "sgf/sgf_property.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

class SgfCollection;

// One node of a game tree. Siblings form a ring in file order (a node without
// siblings is its own neighbour); the roots of a collection form the ring of game
// trees. A node's address stays valid for the life of its collection. Nodes live
// in their collection's arena and link by distance, so they are never copied; a
// node carries room for its first property, which is all a move node needs.
class SgfNode {
 public:
  SgfNode() = default;
  SgfNode(const SgfNode&) = delete;
  SgfNode& operator=(const SgfNode&) = delete;

  SgfNode* Parent() const { return FollowOptionalLink<SgfNode>(this, parent_); }  // null for a root
  // The main line; null for a leaf.
  SgfNode* FirstChild() const { return FollowOptionalLink<SgfNode>(this, firstChild_); }
  SgfNode* NextSibling() const { return FollowLink<SgfNode>(this, nextSibling_); }
  SgfNode* PreviousSibling() const { return FollowLink<SgfNode>(this, previousSibling_); }
  // The child on the line being shown; null for a leaf.
  SgfNode* SelectedChild() const { return FollowOptionalLink<SgfNode>(this, selectedChild_); }
  // True for the first child of its parent, and for the first root of the collection.
  bool IsFirstChild() const;
  // True for the one child of its parent (or the one root) on the line being shown.
  bool IsSelected() const;
  SgfCollection& Collection() const {
    return *static_cast<SgfCollection*>(*FollowLink<void* const>(this, collection_));
  }

  SgfProperty* FirstProperty() const { return FollowOptionalLink<SgfProperty>(this, firstProperty_); }
  RingRange<SgfProperty> Properties() const { return RingRange<SgfProperty>(FirstProperty()); }

  // The first property with this identifier, or null.
  SgfProperty* FindProperty(PropertyId id) const;
  // The string of the property's first value; null when the property is missing,
  // has no value, or its first value is not text.
  const char* PropertyString(PropertyId id) const;
  // The point of the property's first value; empty when the property is missing,
  // has no value, or its first value is not a point.
  std::optional<PointValue> PropertyPoint(PropertyId id) const;

  // Edits. SetRawText finds or appends the property and replaces the string of its
  // first value (made a raw text value, created when missing).
  void SetRawText(PropertyId id, std::string_view text);
  // Finds or appends the property. B and W hold one point, which is overwritten;
  // any other property gains the point unless it already holds it.
  void SetPoint(PropertyId id, PointValue point);
  // Removes the property with all its values; does nothing when it is missing.
  void RemoveProperty(PropertyId id);

  // Appends a property without values (used by the reader). The node's own room
  // is free exactly when it has no property: properties only leave through
  // RemoveProperty, which gives the room back once the ring is empty.
  SgfProperty* AppendProperty(PropertyId id) {
    if (firstProperty_) return AppendPropertyFromArena(id);
    SgfProperty* property = new (&ownProperty_) SgfProperty();
    property->SetId(id);
    firstProperty_ = MakeLink(this, property);
    return property;
  }

 private:
  friend class SgfCollection;

  SgfProperty* AppendPropertyFromArena(PropertyId id);

  void SetNextSibling(SgfNode* node) { nextSibling_ = MakeLink(this, node); }
  void SetPreviousSibling(SgfNode* node) { previousSibling_ = MakeLink(this, node); }
  void SetParent(SgfNode* node) { parent_ = MakeOptionalLink(this, node); }
  void SetFirstChild(SgfNode* node) { firstChild_ = MakeOptionalLink(this, node); }
  void SetSelectedChild(SgfNode* node) { selectedChild_ = MakeOptionalLink(this, node); }

  ArenaLink previousSibling_ = 0;
  ArenaLink nextSibling_ = 0;
  ArenaLink parent_ = 0;
  ArenaLink firstChild_ = 0;
  ArenaLink selectedChild_ = 0;
  ArenaLink firstProperty_ = 0;
  // To the arena's cell that holds the collection.
  ArenaLink collection_ = 0;
  SgfProperty ownProperty_;
};

}  // namespace tenukiro
