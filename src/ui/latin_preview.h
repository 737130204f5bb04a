// The Latin motto on the main window: shown in its typeface as large as the
// face's size allows, and smaller or on two lines when the motto would not fit
// whole, so no letter is ever cut off. A left click, Enter or Space asks for
// the typeface menu; the context menu (right click, the menu key) is the
// window's business.
#pragma once

#include <QFont>

#include "ui/slot_label.h"

namespace lexorra::ui {

class LatinPreview : public ClickableLabel {
  Q_OBJECT
 public:
  explicit LatinPreview(QWidget* parent);

  // Shows `motto` in `face`; the face's point size is the largest used.
  void showMotto(const QString& motto, const QFont& face);
  const QFont& face() const { return face_; }

  // Whether the shown text fits inside the label whole.
  bool showsWhole() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The room for the text: the label less its frame and a margin for
  // letters that reach beyond their advance.
  QRect room() const;
  // Whether `font` shows the motto whole on one line, or wrapped.
  bool fitsOnOneLine(const QFont& font) const;
  bool fitsWrapped(const QFont& font) const;
  void fit();

  QString motto_;
  QFont face_;
};

}  // namespace lexorra::ui
