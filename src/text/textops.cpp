#include "text/textops.h"

#include <cstdint>
#include <cstring>

namespace lexorra::text {

std::string replaceEvery(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

void replaceEveryInPlace(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || text.find(from) == std::string::npos) return;
  text = replaceEvery(text, from, to);
}

std::string_view trimSpaces(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return text.substr(b, e - b);
}

std::string_view firstWord(std::string_view text) {
  std::size_t sp = text.find(' ');
  return sp == std::string_view::npos ? text : text.substr(0, sp);
}

char lowerChar(char c) {
  auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  // Windows-1252: À..Þ except × (0xD7); Š, Œ, Ž; Ÿ.
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 16);
  if (u == 0x9F) return static_cast<char>(0xFF);
  return c;
}

char upperChar(char c) {
  auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 16);
  if (u == 0xFF) return static_cast<char>(0x9F);
  return c;
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerChar(c);
  return out;
}

namespace {

// Marks with 0x80 every byte of `word` that is a space (exact, no false hits).
inline std::uint64_t spaceBytes(std::uint64_t word) {
  constexpr std::uint64_t kSpaces = 0x2020202020202020ULL;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const std::uint64_t v = word ^ kSpaces;  // a space becomes a zero byte
  const std::uint64_t t = (v & kLow7) + kLow7;
  return ~(t | v | kLow7);
}

// How many bytes a spaceBytes() result marks.
inline std::size_t markedBytes(std::uint64_t marks) {
  return static_cast<std::size_t>(((marks >> 7) * 0x0101010101010101ULL) >> 56);
}

// The position just after the k-th space of [p, end), or nullptr when the
// text has fewer than k spaces. Counts eight bytes at a time: look-ups walk
// to field 150 of 1.5 KB verb lines several times per render.
const char* afterSpaces(const char* p, const char* end, std::size_t k) {
  if (k == 0) return p;
  while (end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    // One bit per space at the top of its byte: sum the bytes by a multiply.
    const std::size_t n = markedBytes(spaceBytes(word));
    if (n >= k) break;
    k -= n;
    p += 8;
  }
  for (; p < end; ++p) {
    if (*p == ' ' && --k == 0) return p + 1;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string_view> fieldAt(std::string_view line, std::size_t k) {
  const char* end = line.data() + line.size();
  const char* p = afterSpaces(line.data(), end, k);
  if (!p) return std::nullopt;
  const void* sp = std::memchr(p, ' ', static_cast<std::size_t>(end - p));
  const char* fieldEnd = sp ? static_cast<const char*>(sp) : end;
  return std::string_view(p, static_cast<std::size_t>(fieldEnd - p));
}

FieldShape fieldShape(std::string_view line) {
  const char* p = line.data();
  const char* const end = p + line.size();
  // Whether the byte before `p` is a space; the line's start counts as one,
  // so that a leading space makes field 0 empty.
  bool afterSpace = true;
  std::size_t spaces = 0;
  std::optional<std::size_t> firstEmpty;
  for (; end - p >= 8; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t s = spaceBytes(word);
    // A space whose byte before it is a space too (bytes are little-endian:
    // shifting left moves a byte's mark onto the next byte).
    const std::uint64_t pairs = s & ((s << 8) | (afterSpace ? 0x80ULL : 0));
    if (pairs != 0 && !firstEmpty) {
      const int byte = __builtin_ctzll(pairs) / 8;
      firstEmpty = spaces + markedBytes(s & ((std::uint64_t{1} << (8 * byte)) - 1));
    }
    spaces += markedBytes(s);
    afterSpace = (s >> 63) != 0;
  }
  for (; p < end; ++p) {
    const bool space = *p == ' ';
    if (space && afterSpace && !firstEmpty) firstEmpty = spaces;
    if (space) ++spaces;
    afterSpace = space;
  }
  if (afterSpace && !firstEmpty) firstEmpty = spaces;  // a trailing space, or the empty line
  return {spaces + 1, firstEmpty};
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t pos = 0;
  while (true) {
    std::size_t sp = line.find(' ', pos);
    if (sp == std::string_view::npos) {
      out.push_back(line.substr(pos));
      return out;
    }
    out.push_back(line.substr(pos, sp - pos));
    pos = sp + 1;
  }
}

void applyReplacements(std::string& text, std::span<const Replacement> rows) {
  for (const Replacement& r : rows) replaceEveryInPlace(text, r.from, r.to);
}

std::string withThousands(std::size_t n) {
  std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
    out.push_back(digits[i]);
  }
  return out;
}

std::size_t findWholeWord(std::string_view text, std::string_view word, std::size_t from) {
  if (word.empty()) return std::string_view::npos;
  for (std::size_t hit = text.find(word, from); hit != std::string_view::npos;
       hit = text.find(word, hit + 1)) {
    const std::size_t end = hit + word.size();
    if ((hit == 0 || !isLetter(text[hit - 1])) && (end == text.size() || !isLetter(text[end])))
      return hit;
  }
  return std::string_view::npos;
}

bool containsWholeWord(std::string_view text, std::string_view word) {
  return findWholeWord(text, word) != std::string_view::npos;
}

void replaceWholeWord(std::string& text, std::string_view word, std::string_view by) {
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit = findWholeWord(text, word); hit != std::string::npos;
       hit = findWholeWord(text, word, pos)) {
    out.append(text, pos, hit - pos);
    out.append(by);
    pos = hit + word.size();
  }
  if (pos == 0) return;
  out.append(text, pos);
  text = std::move(out);
}

}  // namespace lexorra::text
