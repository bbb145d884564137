// Block-letter art written in the source as pictures: '#' for a full block, '.' for a space.
#ifndef CONSOLE_BLOCK_ART_H_
#define CONSOLE_BLOCK_ART_H_

#include <cstddef>
#include <string_view>

/// One row of art as the bytes that are written: 0xDB for each '#', a space for anything else.
template <size_t N>
struct BlockRow {
  char bytes[N - 1];
  constexpr std::string_view text() const { return std::string_view(bytes, N - 1); }
};

/// The row drawn by |picture|, made when the program is compiled.
template <size_t N>
constexpr BlockRow<N> Blocks(const char (&picture)[N]) {
  BlockRow<N> row{};
  for (size_t i = 0; i + 1 < N; ++i)
    row.bytes[i] = picture[i] == '#' ? '\xDB' : ' ';
  return row;
}

#endif  // CONSOLE_BLOCK_ART_H_
