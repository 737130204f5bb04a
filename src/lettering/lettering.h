// The Latin motto as lettering at its real size, for a tattoo artist: the
// letters as outlines in the motto's typeface, laid out to a width in
// millimetres, and written as SVG, PDF or PNG.
//
// Every function here needs a running QGuiApplication (the font system); the
// offscreen platform will do.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QSizeF>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QPainter;

namespace lexorra::lettering {

enum class LetteringFormat { svg, pdf, png };

// "svg", "pdf", "png", in any letter case.
std::optional<LetteringFormat> formatNamed(std::string_view name);
// The format a file name's extension names (".svg", ".PDF", ...).
std::optional<LetteringFormat> formatOfPath(const std::filesystem::path& path);
std::string_view formatName(LetteringFormat format);  // "svg", "pdf", "png"

// A width with its unit, "12cm", "120mm", "4.5in" (a space before the unit is
// allowed; a bare number is in centimetres), in millimetres. Nothing for
// text that is not a positive width.
std::optional<double> widthInMillimetres(std::string_view text);

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kMinWidthMm = 5;
inline constexpr double kMaxWidthMm = 5000;
inline constexpr int kMinDpi = 30;
inline constexpr int kMaxDpi = 2400;

struct LetteringOptions {
  double widthMm = 120;      // the width of the lettering, and of the file
  bool mirrored = false;     // read from the back, for a stencil transfer
  bool outlineOnly = false;  // the letters' contours, not filled
  int lines = 1;             // 1, or 2 lines of balanced width
  bool withEnglish = false;  // the English meaning in small type below
  int dpi = 300;             // PNG only
};

// What is lettered: both texts in Windows-1252, as the motto holds them.
struct LetteringText {
  std::string latin;
  std::string english;
  std::string face;  // the face name the motto record stores
};

// Why the lettering cannot be made with these options (no Latin, a width
// or resolution out of range, a PNG too large to hold), or nothing.
std::optional<std::string> letteringProblem(const LetteringText& text,
                                            const LetteringOptions& options,
                                            std::optional<LetteringFormat> format = {});

// The lettering in millimetres, the top left corner of the ink at (0, 0),
// already mirrored when asked. Its width is the width asked; outlined
// letters keep their whole stroke inside it.
struct LetteringLayout {
  QPainterPath latin;
  QPainterPath english;     // empty without the English meaning
  QSizeF sizeMm;            // empty when there is no Latin to letter
  double outlinePenMm = 0;  // the stroke of outlined letters; 0 when filled
};

LetteringLayout layOutLettering(const LetteringText& text, const LetteringOptions& options);

// The motto's words on `lines` lines (1 or 2): two lines are split where the
// longer of them is shortest in `face`; a single word stays on one line.
std::vector<std::string> letteringLines(std::string_view latin, std::string_view face, int lines);

// Paints the layout in black on a painter whose unit is the millimetre.
void paintLettering(QPainter& painter, const LetteringLayout& layout);

// The layout as an image with a transparent background, `dotsPerInch`
// pixels per inch, its resolution stored in the image.
QImage letteringImage(const LetteringLayout& layout, double dotsPerInch);

// The file's contents. Throws LetteringError (with an empty path) when
// letteringProblem finds one.
QByteArray letteringFile(LetteringFormat format, const LetteringText& text,
                         const LetteringOptions& options);

// A file that cannot be made or written: its path and the reason.
class LetteringError : public std::runtime_error {
 public:
  LetteringError(std::filesystem::path path, std::string reason);
  const std::filesystem::path& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  std::filesystem::path path_;
  std::string reason_;
};

// Writes the lettering to `path` as a whole: a file that cannot be written
// is left as it was. Returns the lettering's size in millimetres. Throws
// LetteringError.
QSizeF writeLettering(const std::filesystem::path& path, LetteringFormat format,
                      const LetteringText& text, const LetteringOptions& options);

}  // namespace lexorra::lettering
