#include "ui/about.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/splash.h"

namespace lexorra::ui {

namespace {

const char* const kAboutLines[] = {
    "",
    "",
    "",
    "Lexorra: Latin motto generator for tattooists.",
    "v1.5",
    "",
    "Made by the Lexorra team.",
    "Latin forms from William Whitaker's WORDS dictionary data.",
    "News, questions and corrections: see the web site.",
};

}  // namespace

AboutBox::AboutBox(std::function<void()> closed, QWidget* parent)
    : QWidget(parent, Qt::Window), closed_(std::move(closed)) {
  setObjectName("aboutBox");
  setWindowTitle("About Lexorra");
  setFixedSize(440, 300);

  auto* picture1 = new QLabel(this);
  picture1->setObjectName("Picture1");
  picture1->setPixmap(productPicture(64));
  picture1->setGeometry(12, 12, 64, 64);
  auto* picture2 = new QLabel(this);
  picture2->setObjectName("Picture2");
  picture2->setPixmap(productPicture(32));
  picture2->setGeometry(28, 90, 32, 32);

  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName("Text1");
  Text1->setReadOnly(true);
  QStringList lines;
  for (const char* line : kAboutLines) lines << QString::fromLatin1(line);
  lines << QString::fromLatin1(kWebsite);
  Text1->setPlainText(lines.join('\n'));
  Text1->setGeometry(90, 12, 338, 236);

  Command1 = new QPushButton("Close", this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  Command1->setGeometry(338, 258, 90, 30);
  connect(Command1, &QPushButton::clicked, this, &AboutBox::Command1_Click);
}

void AboutBox::Command1_Click() {
  if (closed_) closed_();
  hide();
}

// Leaving the window (another window of the program becomes active) closes
// it as "Close" does; switching to another application does not.
void AboutBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() &&
      QApplication::activeWindow() != nullptr)
    Command1_Click();
}

void AboutBox::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) closed_();
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    Command1_Click();
  else
    QWidget::keyPressEvent(event);
}

}  // namespace lexorra::ui
