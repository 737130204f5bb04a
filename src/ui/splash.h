// The splash window shown while the program loads its data.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

class QLabel;

namespace lexorra::ui {

inline constexpr const char* kWebsite = "https://lexorra.org";

class SplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit SplashScreen(QWidget* parent = nullptr);

  // The progress caption (Label1); shown on screen at the next repaint.
  void setCaption(const QString& caption);
  QString caption() const;

  // Every caption set, and every caption that a paint put on screen (a caption
  // painted twice in a row is listed once), in order.
  const std::vector<QString>& captionsSet() const { return captionsSet_; }
  const std::vector<QString>& captionsPainted() const { return captionsPainted_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Picture2;
  QTimer Timer1;
  std::vector<QString> captionsSet_;
  std::vector<QString> captionsPainted_;
};

// A picture of the product's initial in the blackletter face, for the splash
// and about windows.
QPixmap productPicture(int size);

}  // namespace lexorra::ui
