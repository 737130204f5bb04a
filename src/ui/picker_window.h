// The word pickers' windows: one class for the four search pickers and one
// for the preposition picker. Each owns its model (src/pickers), draws it,
// and forwards its events; they are created once at start-up and then only
// shown and hidden. They are windows of their own, so disabling the main
// window while one is open leaves the picker usable.
#pragma once

#include <QAbstractListModel>
#include <QDialog>
#include <QTimer>
#include <concepts>
#include <functional>
#include <memory>
#include <utility>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "pickers/preposition_picker.h"
#include "pickers/search_picker.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace lexorra::ui {

// A list view's rows, read from the picker's model on demand, so that a list
// of 19,000 rows costs nothing until rows are drawn and a new search only
// resets the view. A row's tooltip is its whole gloss. When a search found
// nothing, the one row is the picker's notice, which cannot be selected.
class PickerRowsModel : public QAbstractListModel {
  Q_OBJECT
 public:
  struct Source {
    std::function<int()> count;
    std::function<std::string_view(int)> text;
    std::function<std::string_view(int)> gloss;
    std::function<std::string_view()> notice;  // may be empty
  };
  PickerRowsModel(Source source, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Whether the list shows the notice instead of rows.
  bool showsNotice() const;
  // The picker refilled its rows.
  void refresh();

 private:
  Source source_;
};

// What a picker tells the rest of the program.
struct PickerHooks {
  std::function<void()> changed;               // the visit ended: show the motto
  std::function<void()> cancelled;             // left without a choice: undo the slot's mark
  std::function<void(const QString&)> failed;  // the render after an act failed
};

class PickerWindowBase : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;
  // Shows the picker in front, ready for typing.
  virtual void openPicker() = 0;
  void setHooks(PickerHooks hooks) { hooks_ = std::move(hooks); }

  QListView* list() const { return List1; }
  QLabel* preview() const { return wordDisplay; }
  QPushButton* useWordButton() const { return Command1; }
  QPushButton* noWordButton() const { return Command2; }
  QTimer* timer() { return &Timer1; }

  // Escape, and the title bar's close button: leave without a choice.
  void reject() override;

  // The model's state into the widgets.
  virtual void showPicker() = 0;
  // "Use this word in motto" (also Enter and a double-click) and "Use no word".
  virtual void Command1_Click() = 0;
  virtual void Command2_Click() = 0;

 protected:
  // Builds the list, preview and the two buttons; `useTooltip` for Command1.
  void buildCommon(const char* useTooltip);
  // Lays out `top` (the search box or the prompt), the list, the preview and
  // a row of `extra` (may be null) and the two buttons.
  void layOut(QWidget* top, QWidget* extra);
  void closeEvent(QCloseEvent* event) override;
  // The model's visit ended without a word; returns false when no visit was open.
  virtual bool leaveModel() = 0;
  void selectRowInView(int row);
  // Wires the list, the two buttons and the tick to the model; call once the
  // list has its rows model.
  void connectCommon();
  // Runs a choose act (true when it ended the visit), then shows the picker
  // and the motto. A render that fails after the choice has been written is
  // reported; the visit has ended all the same.
  void runAct(const std::function<bool()>& act);
  // Runs "Use no word", which always ends the visit, as runAct does.
  void runNoWordAct(const std::function<void()>& act);
  virtual void selectModelRow(int row) = 0;
  virtual void tickModel() = 0;

  PickerHooks hooks_;
  // Shows the preview's text; its accessible name says what it is.
  void showPreview(const QString& latin);

  QListView* List1 = nullptr;
  PickerRowsModel* rowsModel_ = nullptr;
  QLabel* wordDisplay = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QTimer Timer1;
  bool syncing_ = false;  // true while the window copies the model into the widgets
};

// A picker window over its model (a SearchPicker or a PrepositionPicker):
// opening and leaving a visit, and the model's row and tick.
template <class Model>
class PickerWindow : public PickerWindowBase {
 public:
  void openPicker() override {
    picker_.show();
    showPicker();
    show();
    raise();
    activateWindow();
    typingWidget()->setFocus();
  }
  const Model& model() const { return picker_; }

 protected:
  // The model is made from `modelArgs` in place.
  template <class... ModelArgs>
  requires std::constructible_from<Model, ModelArgs...>
  explicit PickerWindow(ModelArgs&&... modelArgs)
      : picker_(std::forward<ModelArgs>(modelArgs)...) {}

  // Where the keys go when the picker opens.
  virtual QWidget* typingWidget() const = 0;
  bool leaveModel() override {
    if (!picker_.Visible) return false;
    picker_.hide();
    showPicker();
    return true;
  }
  void selectModelRow(int row) override { picker_.selectRow(row); }
  void tickModel() override { picker_.Timer1_Timer(); }

  Model picker_;
};

class SearchPickerWindow : public PickerWindow<SearchPicker> {
  Q_OBJECT
 public:
  SearchPickerWindow(MottoState& state, const Lexicon& lexicon, const EnglishTables& english,
                     SearchPickerKind kind);

  QLineEdit* searchBox() const { return Text1; }
  QLabel* hintLabel() const { return fbText; }
  QPushButton* comparisonButton() const { return compareButton; }

  void showPicker() override;
  void Command1_Click() override;
  void Command2_Click() override;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  QWidget* typingWidget() const override;

 private:
  void searchEdited(const QString& text);

  MottoState& state_;
  const EnglishTables& english_;
  QLineEdit* Text1 = nullptr;
  QLabel* fbText = nullptr;
  QPushButton* compareButton = nullptr;
  std::string listedSearch_;  // the search text the list view shows rows for
};

class PrepositionPickerWindow : public PickerWindow<PrepositionPicker> {
  Q_OBJECT
 public:
  PrepositionPickerWindow(MottoState& state, const Lexicon& lexicon);

  void showPicker() override;
  void Command1_Click() override;
  void Command2_Click() override;

 protected:
  QWidget* typingWidget() const override;

 private:
  MottoState& state_;
};

}  // namespace lexorra::ui
