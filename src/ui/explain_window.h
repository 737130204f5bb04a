// The window "Why this Latin?": every word of the Latin motto with its
// dictionary form, part of speech, form, part in the motto and meaning, each
// checked by the Latin parser when it is installed. The check runs beside
// the window, which stays usable meanwhile; the window follows the motto
// while it is open, and prints the sheet or exports it as PDF.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "explain/parser_check.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "ui/explain_page.h"

class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace lexorra::ui {

class ExplainWindow : public QWidget {
  Q_OBJECT
 public:
  // Asks for the PDF file to write; an empty answer means the person
  // changed their mind.
  using FileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;

  ExplainWindow(const MottoState& state, const Lexicon& lexicon, QWidget* parent = nullptr);
  ~ExplainWindow() override;

  // Explains the motto as it is now and starts its check.
  void explainMotto();
  // Explains it again when its Latin has changed since.
  void followMotto();

  const SheetPage& page() const { return page_; }
  // The parser's options (tests give a stand-in or none).
  void setParserOptions(explain::ParserOptions options) { parserOptions_ = std::move(options); }
  void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  // Whether a check is running.
  bool checking() const { return checkRunning_; }

  // "Print...": the desktop's print dialog, then the sheet on its printer.
  void printButton_Click();
  bool printTo(QPrinter& printer);
  // "Export PDF...": asks for the file, then exportTo.
  void exportButton_Click();
  // Writes the sheet as PDF; a file that cannot be written is told in a
  // message naming it and the reason. Returns whether it was written.
  bool exportTo(const QString& path);

  QTableWidget* table() const { return table_; }
  QLabel* statusLabel() const { return status_; }

 signals:
  void checkFinished();

 private:
  void buildWidgets();
  void showPage();
  void startCheck();

  const MottoState& state_;
  const Lexicon& lexicon_;
  SheetPage page_;
  std::string explainedLatin_;  // the finalLatin the sheet was made from
  explain::ParserOptions parserOptions_;
  FileChooser chooseFile_;
  int generation_ = 0;  // a check's result is taken only for the sheet it was made for
  bool checkRunning_ = false;
  QTimer follow_;

  QLabel* latin_ = nullptr;
  QLabel* english_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* exportButton_ = nullptr;
};

// Shows the window for the motto, made once per parent, and explains the
// motto afresh.
ExplainWindow* showExplainWindow(QWidget* parent, const MottoState& state, const Lexicon& lexicon);

}  // namespace lexorra::ui
