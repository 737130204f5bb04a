// The lettering export dialog: the Latin motto at its real size as SVG, PDF
// or PNG, with a preview of exactly what will be written.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "lettering/lettering.h"
#include "motto/motto_state.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace lexorra::ui {

class ExportDialog : public QDialog {
  Q_OBJECT
 public:
  // Asks for the file to write, starting from `suggestedPath`; an empty
  // answer means the person changed their mind.
  using FileChooser =
      std::function<QString(QWidget* parent, const QString& suggestedPath, const QString& filter)>;

  explicit ExportDialog(QWidget* parent = nullptr);

  // The motto to letter (the preview follows at once).
  void setLettering(lettering::LetteringText text);

  // What the controls say.
  lettering::LetteringFormat format() const;
  lettering::LetteringOptions options() const;

  // The desktop's save dialog unless replaced (tests answer it themselves).
  void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  // Writes the lettering to `path` as the controls say and closes the dialog.
  // A file that cannot be written is told in a message naming it and the
  // reason; the dialog then stays open. Returns whether it was written.
  bool exportTo(const QString& path);

  // The button "Export...": asks for the file, then exportTo.
  void exportButton_Click();

  // The file name offered first: the motto's words, the format's extension.
  QString suggestedFileName() const;

 private:
  void buildWidgets();
  void unitChanged();
  void updatePreview();

  lettering::LetteringText text_;
  FileChooser chooseFile_;
  QString lastFolder_;
  // The width in millimetres: the width box shows it in its unit, so that
  // switching units back and forth keeps it exactly.
  double widthMm_ = 0;
  int unitIndex_ = 0;  // the unit the width box shows now

  QComboBox* formatBox_ = nullptr;
  QDoubleSpinBox* widthBox_ = nullptr;
  QComboBox* unitBox_ = nullptr;
  QCheckBox* mirrorBox_ = nullptr;
  QCheckBox* outlineBox_ = nullptr;
  QComboBox* linesBox_ = nullptr;
  QCheckBox* englishBox_ = nullptr;
  QSpinBox* dpiBox_ = nullptr;
  QLabel* preview_ = nullptr;
  QLabel* sizeLabel_ = nullptr;
  QPushButton* exportButton_ = nullptr;
};

// Shows the export dialog for the motto, modal to `parent`. The dialog is
// made once per parent and keeps its settings between openings.
ExportDialog* showExportDialog(QWidget* parent, const MottoState& state);

}  // namespace lexorra::ui
