#include "replay/board_diagram.h"

#include <algorithm>

namespace tenukiro {
namespace {

uint16_t StoneWordOf(char c) {
  if (c == 'X') return kPointBlack;
  if (c == 'O') return kPointWhite;
  return 0;
}

char CharOf(uint16_t word) {
  if (word & kPointBlack) return 'X';
  if (word & kPointWhite) return 'O';
  return '.';
}

}  // namespace

Diagram ParseDiagram(std::string_view text) {
  Diagram diagram;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string line(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    std::erase_if(line, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
    if (line.empty()) continue;
    diagram.columns = std::max(diagram.columns, static_cast<int>(line.size()));
    diagram.lines.push_back(std::move(line));
  }
  diagram.rows = static_cast<int>(diagram.lines.size());
  return diagram;
}

void SetUpPosition(Board& board, std::string_view text) {
  const Diagram diagram = ParseDiagram(text);
  board.ResetBoard(diagram.columns + 1, diagram.rows + 1);
  for (int row = 1; row <= diagram.rows; ++row) {
    const std::string& line = diagram.lines[row - 1];
    for (int column = 1; column <= static_cast<int>(line.size()); ++column) {
      if (const uint16_t stone = StoneWordOf(line[column - 1])) board.SetPointWord(column, row, stone);
    }
  }
  board.RebuildChains();
}

std::string DrawPosition(const Board& board) {
  std::string out;
  for (int row = 1; row < board.RowsPlus1(); ++row) {
    for (int column = 1; column < board.ColumnsPlus1(); ++column) out += CharOf(board.PointWord(column, row));
    out += '\n';
  }
  return out;
}

}  // namespace tenukiro
