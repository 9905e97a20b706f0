#include "gui/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <utility>

namespace gui {
namespace {

// Ctrl+C copies the message, so that a user can paste it elsewhere.
class CopyableMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy)) {
      QGuiApplication::clipboard()->setText(text());
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
};

MessageBoxPresenter& CurrentPresenter() {
  static MessageBoxPresenter presenter = ShowModalMessageBox;
  return presenter;
}

}  // namespace

void PresentMessageBox(QWidget* parent, const std::string& text, window::MessageIcon icon) {
  CurrentPresenter()(parent, text, icon);
}

MessageBoxPresenter ReplaceMessageBoxPresenter(MessageBoxPresenter presenter) {
  if (!presenter) presenter = ShowModalMessageBox;
  return std::exchange(CurrentPresenter(), std::move(presenter));
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const std::string& text,
                                            window::MessageIcon icon) {
  const auto qtIcon = icon == window::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
  auto box = std::make_unique<CopyableMessageBox>(qtIcon, QString::fromUtf8(MessageBoxTitle),
                                                  QString::fromStdString(text), QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::ApplicationModal);
  return box;
}

void ShowModalMessageBox(QWidget* parent, const std::string& text, window::MessageIcon icon) {
  MakeMessageBox(parent, text, icon)->exec();
}

}  // namespace gui
