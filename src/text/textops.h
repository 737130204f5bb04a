// Text operations shared by every subsystem.
//
// All text is single-byte Windows-1252: one byte is one character, so lengths,
// column padding and lower-casing work byte by byte.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexorra::text {

// Replaces every non-overlapping occurrence of `from`, scanning left to right,
// without rescanning the inserted text. An empty `from` changes nothing.
std::string replaceEvery(std::string_view text, std::string_view from, std::string_view to);
void replaceEveryInPlace(std::string& text, std::string_view from, std::string_view to);

inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}
inline bool beginsWith(std::string_view text, std::string_view prefix) {
  return text.starts_with(prefix);
}
inline bool endsWith(std::string_view text, std::string_view suffix) {
  return text.ends_with(suffix);
}

// Removes leading and trailing spaces; tabs and line ends are kept.
std::string_view trimSpaces(std::string_view text);

// The text before the first space (all of it when there is none).
std::string_view firstWord(std::string_view text);

// Lower-cases the letters of Windows-1252 (ASCII and the accented letters);
// every other byte stays as it is.
char lowerChar(char c);
char upperChar(char c);
std::string lowerCase(std::string_view text);

// A letter of Windows-1252: a character with an upper and a lower case.
inline bool isLetter(char c) {
  return lowerChar(c) != upperChar(c);
}

// Where `word` first stands as a whole word (no letter on either side) at or
// after `from`: "love" in "I love" but not in "glove" or "lovers". npos when
// it does not, and for an empty word.
std::size_t findWholeWord(std::string_view text, std::string_view word, std::size_t from = 0);
bool containsWholeWord(std::string_view text, std::string_view word);

// Replaces `word` where it stands as a whole word, so that "love" is
// replaced but "glove" and "lovers" stay whole. An empty word changes
// nothing.
void replaceWholeWord(std::string& text, std::string_view word, std::string_view by);

// Fields of a stored line are cut at every single space and counted from 0, so
// two spaces in a row make an empty field. Returns nothing when the line has
// fewer than k + 1 fields. Walks the line; copies nothing.
std::optional<std::string_view> fieldAt(std::string_view line, std::size_t k);
// How many fields a line has (one more than its spaces) and the number of
// its first empty field (a space at either end, or two spaces in a row),
// nothing when every field holds text; an empty line is one empty field.
// One pass, eight bytes at a time.
struct FieldShape {
  std::size_t count;
  std::optional<std::size_t> firstEmpty;
};
FieldShape fieldShape(std::string_view line);
std::vector<std::string_view> splitFields(std::string_view line);

// One row of an ordered replacement list.
struct Replacement {
  std::string_view from;
  std::string_view to;
};

// Applies the rows in order, each with replaceEvery over the whole text.
void applyReplacements(std::string& text, std::span<const Replacement> rows);

// Formats a count with thousands separators: 19491 -> "19,491".
std::string withThousands(std::size_t n);

}  // namespace lexorra::text
