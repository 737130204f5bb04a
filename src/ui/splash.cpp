#include "ui/splash.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "ui/fonts.h"

namespace lexorra::ui {

QPixmap productPicture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(128, 128, 255));
  p.setPen(QPen(QColor(0, 0, 128), 3));
  p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
  QFont initial = windowFont("Old English Text MT", 10);
  initial.setPixelSize(size * 2 / 3);
  p.setFont(initial);
  p.drawText(pixmap.rect(), Qt::AlignCenter, "L");
  return pixmap;
}

SplashScreen::SplashScreen(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("splashScreen");
  setWindowTitle("Lexorra");
  setFixedSize(460, 220);
  setAutoFillBackground(true);
  QPalette ground = palette();
  ground.setColor(QPalette::Window, QColor(192, 192, 255));
  ground.setColor(QPalette::WindowText, QColor(0, 0, 128));
  setPalette(ground);

  Picture2 = new QLabel(this);
  Picture2->setPixmap(productPicture(96));
  Picture2->setGeometry(16, 16, 96, 96);

  auto label = [this](const char* name, const QString& text, int y, int pointSize) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    QFont font = l->font();
    font.setPointSize(pointSize);
    l->setFont(font);
    l->setGeometry(128, y, 320, 26);
    return l;
  };
  Label2 = label("Label2", "Lexorra: Latin motto builder for tatooists.", 24, 11);
  Label2->setFont(windowFont("Century Gothic", 11, true));
  Label3 = label("Label3", "Version 1.5 (05.05.2012)", 56, 10);
  Label4 = label("Label4", QString::fromLatin1(kWebsite), 84, 10);
  Label1 = label("Label1", QString(), 150, 11);
  Label1->setGeometry(16, 150, 428, 30);

  Timer1.setInterval(100);
  connect(&Timer1, &QTimer::timeout, this, qOverload<>(&QWidget::repaint));
  Timer1.start();
}

void SplashScreen::setCaption(const QString& caption) {
  captionsSet_.push_back(caption);
  Label1->setText(caption);
}

QString SplashScreen::caption() const {
  return Label1->text();
}

void SplashScreen::paintEvent(QPaintEvent* event) {
  const QString onScreen = Label1->text();
  if (!onScreen.isEmpty() && (captionsPainted_.empty() || captionsPainted_.back() != onScreen))
    captionsPainted_.push_back(onScreen);
  QWidget::paintEvent(event);
}

}  // namespace lexorra::ui
