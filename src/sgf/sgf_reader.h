#pragma once

namespace tenukiro {

class SgfCollection;
class SgfText;

// The reader never rejects a text: what is not structure or a property is dropped
// and malformed parts give fewer nodes or properties. Parsing is lazy, one
// variation at a time: each call parses up to and including the next ')'.

// Starts parsing `text` into `collection`: resets the parse position, the resume
// node and the variation stack, parses up to the first ')' (or the end), makes
// sure a root with SZ exists and puts the cursor on the current root. Does nothing
// when the text is gone.
void BeginParse(SgfCollection& collection, SgfText& text);

// Parses from the text's position, continuing at the resume node, up to the next
// ')' (or the end); the cursor is left where it was. Does nothing when the text is
// gone. NextNodePreorder calls it when the parsed tree runs out.
void ContinueParse(SgfCollection& collection, SgfText& text);

// The end-of-text step: frees the text and gives every root (an empty one is made
// when there is none) an SZ of 19 if it has none.
void FinishParse(SgfCollection& collection, SgfText& text);

}  // namespace tenukiro
