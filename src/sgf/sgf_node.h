#pragma once

#include <optional>
#include <string_view>

#include "sgf/property_id.h"
#include "sgf/ring_range.h"
#include "sgf/sgf_property.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

class SgfCollection;

// One node of a game tree. Siblings form a ring in file order (a node without
// siblings is its own neighbour); the roots of a collection form the ring of game
// trees. A node's address stays valid for the life of its collection.
class SgfNode {
 public:
  SgfNode* Parent() const { return parent_; }  // null for a root
  SgfNode* FirstChild() const { return firstChild_; }  // the main line; null for a leaf
  SgfNode* NextSibling() const { return nextSibling_; }
  SgfNode* PreviousSibling() const { return previousSibling_; }
  // The child on the line being shown; null for a leaf.
  SgfNode* SelectedChild() const { return selectedChild_; }
  // True for the first child of its parent, and for the first root of the collection.
  bool IsFirstChild() const;
  // True for the one child of its parent (or the one root) on the line being shown.
  bool IsSelected() const;
  SgfCollection& Collection() const { return *collection_; }

  SgfProperty* FirstProperty() const { return firstProperty_; }
  RingRange<SgfProperty> Properties() const { return RingRange<SgfProperty>(firstProperty_); }

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

  // Appends a property without values (used by the reader).
  SgfProperty* AppendProperty(PropertyId id);

 private:
  friend class SgfCollection;

  SgfNode* previousSibling_ = this;
  SgfNode* nextSibling_ = this;
  SgfNode* parent_ = nullptr;
  SgfNode* firstChild_ = nullptr;
  SgfNode* selectedChild_ = nullptr;
  SgfProperty* firstProperty_ = nullptr;
  SgfCollection* collection_ = nullptr;
};

}  // namespace tenukiro
