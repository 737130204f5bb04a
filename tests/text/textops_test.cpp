#include "text/textops.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "text/codepage.h"
#include "text/datafile.h"

namespace lexorra::text {
namespace {

struct ReplaceCase {
  std::string text, from, to, expected;
};

TEST(TextOps, ReplaceEveryScansLeftToRightWithoutRescanning) {
  const ReplaceCase cases[] = {
      {"aaa", "aa", "b", "ba"},  // non-overlapping, from the left
      {"  x  ", "  ", " ", " x "},
      {"     ", "  ", " ", "   "},  // one pass only
      {"abc", "b", "bb", "abbc"},   // inserted text is not rescanned
      {"abc", "", "x", "abc"},      // empty search text changes nothing
      {"of it.", "of i", "of me", "of met."},
      {"", "a", "b", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(replaceEvery(c.text, c.from, c.to), c.expected) << c.text;
    std::string inPlace = c.text;
    replaceEveryInPlace(inPlace, c.from, c.to);
    EXPECT_EQ(inPlace, c.expected) << c.text;
  }
}

TEST(TextOps, WholeWordsHaveNoLetterOnEitherSide) {
  const ReplaceCase cases[] = {
      {"love", "love", "X", "X"},
      {"glove lovers love.", "love", "X", "glove lovers X."},
      {"glovelove love", "love", "X", "glovelove X"},  // a hit inside a word is stepped over
      {"who? whole who", "who", "X", "X? whole X"},
      {"aa aa", "a", "X", "aa aa"},
      {"abc", "", "X", "abc"},
  };
  for (const auto& c : cases) {
    std::string replaced = c.text;
    replaceWholeWord(replaced, c.from, c.to);
    EXPECT_EQ(replaced, c.expected) << c.text;
    EXPECT_EQ(containsWholeWord(c.text, c.from), replaced != c.text) << c.text;
  }
  EXPECT_EQ(findWholeWord("who whom who", "who", 1), 9u);
}

TEST(TextOps, ApplyReplacementsKeepsRowOrder) {
  // The second row repairs what the first one did; swapping them would not.
  const Replacement rows[] = {{"of i", "of me"}, {" of met.", " of it."}};
  std::string s = "the love of it.";
  applyReplacements(s, rows);
  EXPECT_EQ(s, "the love of it.");
  s = "the love of iron";
  applyReplacements(s, rows);
  EXPECT_EQ(s, "the love of meron");
}

TEST(TextOps, TrimmingRemovesSpacesOnly) {
  EXPECT_EQ(trimSpaces("  a b  "), "a b");
  EXPECT_EQ(trimSpaces("\ta \t"), "\ta \t");
  EXPECT_EQ(trimSpaces("    "), "");
  EXPECT_EQ(firstWord("The (single)"), "The");
  EXPECT_EQ(firstWord("(plural)"), "(plural)");
  EXPECT_EQ(firstWord(" x"), "");
}

TEST(TextOps, LowerCasingAffectsWindows1252LettersOnly) {
  EXPECT_EQ(lowerCase("You (Plural) 12!"), "you (plural) 12!");
  EXPECT_EQ(lowerCase("\xC6\xC9\xD7\xDE\x8A\x9F"), "\xE6\xE9\xD7\xFE\x9A\xFF");  // Æ É × Þ Š Ÿ
  EXPECT_EQ(upperChar('\xE9'), '\xC9');
  EXPECT_EQ(upperChar('1'), '1');
}

TEST(TextOps, FieldsAreCutAtEverySingleSpace) {
  EXPECT_EQ(fieldAt("go  went gone", 0), "go");
  EXPECT_EQ(fieldAt("go  went gone", 1), "");
  EXPECT_EQ(fieldAt("go  went gone", 2), "went");
  EXPECT_EQ(fieldAt("go  went gone", 3), "gone");
  EXPECT_FALSE(fieldAt("go  went gone", 4).has_value());
  EXPECT_EQ(fieldAt(" lead", 0), "");
  EXPECT_EQ(fieldAt("end ", 1), "");
  EXPECT_EQ(fieldAt("", 0), "");
  EXPECT_EQ(fieldShape("a  b").count, 3u);
  EXPECT_EQ(splitFields("a  b"), (std::vector<std::string_view>{"a", "", "b"}));
}

// Lines longer than eight bytes are counted eight bytes at a time: the rows
// put spaces on both sides of each word boundary.
TEST(TextOps, FieldShapeCountsAndFindsTheFirstEmptyField) {
  struct Row {
    std::string line;
    std::size_t fields;
    std::optional<std::size_t> firstEmpty;
  };
  const Row rows[] = {
      {"", 1, 0},
      {"a", 1, std::nullopt},
      {" a", 2, 0},
      {"a ", 2, 1},
      {"a  b", 3, 1},
      {"aaaaaaa  b", 3, 1},   // the pair across the first word boundary
      {"aaaaaaaa  b", 3, 1},  // the pair at the start of the second word
      {"aaaaaa b  c", 4, 2},  // the pair inside the second word
      {"a b c d e f g h i j k l", 12, std::nullopt},
      {"a b c d e f g h i j k l ", 13, 12},
      {"aaaaaaaaaaaaaaa ", 2, 1},  // a trailing space after whole words
      {"        ", 9, 0},
      {"ab cd ef gh ij kl mn op  qr", 10, 8},
      {"ab cd ef gh ij kl mn op qr st uv wx yz", 13, std::nullopt},
  };
  for (const Row& row : rows) {
    const FieldShape shape = fieldShape(row.line);
    EXPECT_EQ(shape.count, row.fields) << '"' << row.line << '"';
    EXPECT_EQ(splitFields(row.line).size(), row.fields) << '"' << row.line << '"';
    EXPECT_EQ(shape.firstEmpty, row.firstEmpty) << '"' << row.line << '"';
  }
}

TEST(TextOps, ThousandsSeparators) {
  EXPECT_EQ(withThousands(0), "0");
  EXPECT_EQ(withThousands(999), "999");
  EXPECT_EQ(withThousands(19491), "19,491");
  EXPECT_EQ(withThousands(1234567), "1,234,567");
}

struct LinesCase {
  std::string text;
  std::vector<std::string_view> lines;
};

TEST(DataFile, SplitLinesFollowsLineEnds) {
  const LinesCase cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},  // a final line end adds no line
      {"a\r\nb", {"a", "b"}},      // a final line without an end is read
      {"a\r\n\r\n", {"a", ""}},    // an empty last line counts
      {"a\nb\n", {"a", "b"}},      // a lone LF is accepted
      {"a\rb\r\n", {"a\rb"}},      // a lone CR is part of the line
      {"\r\n", {""}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
}

TEST(DataFile, ErrorsNameTheFileAndTheReason) {
  std::istringstream empty("");
  try {
    readDataLines(empty, "engIrregNouns.txt", 104);
    FAIL() << "an empty file must not load";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), "engIrregNouns.txt");
    EXPECT_EQ(e.reason(), "is empty");
    EXPECT_STREQ(e.what(), "engIrregNouns.txt: is empty");
  }
  std::istringstream three("a\r\nb\r\nc\r\n");
  try {
    readDataLines(three, "x.dat", 2);
    FAIL() << "a file longer than its table must not load";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.line(), 3u);
    EXPECT_EQ(e.reason(), "the file has 3 lines; the table holds 2");
    EXPECT_STREQ(e.what(), "x.dat, line 3: the file has 3 lines; the table holds 2");
  }
  try {
    readWholeFile("/nonexistent/folder/nouns.dat", "nouns.dat");
    FAIL() << "a missing file must not load";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), "nouns.dat");
    EXPECT_NE(e.reason().find("cannot be found"), std::string::npos);
  }
  std::istringstream five("abcde");
  EXPECT_EQ(readWholeStream(five, "x.dat", 5), "abcde");
  five.seekg(0);
  try {
    readWholeStream(five, "x.dat", 4);
    FAIL() << "a stream longer than the limit must not be read";
  } catch (const DataFileError& e) {
    EXPECT_STREQ(e.what(), "x.dat: is too large: 5 bytes, at most 4 are read");
  }
  try {
    readWholeFile("/", "nouns.dat");
    FAIL() << "a folder is not a data file";
  } catch (const DataFileError& e) {
    EXPECT_NE(e.reason().find("folder"), std::string::npos);
  }
}

TEST(CodePage, ConvertsBothWays) {
  const std::string cp = "caf\xE9 \x80 \x93x\x94 \xE6\xA3";
  const std::string utf8 = cp1252ToUtf8(cp);
  EXPECT_EQ(utf8, "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC3\xA6\xC2\xA3");
  EXPECT_EQ(utf8ToCp1252(utf8), cp);
  EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD"), "?");  // not in the code page
  EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");        // cut short
  EXPECT_EQ(utf8ToCp1252("\xFF"
                         "b"),
            "?b");  // not UTF-8 at all
}

}  // namespace
}  // namespace lexorra::text
