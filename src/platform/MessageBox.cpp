#include "platform/MessageBox.h"

#include <utility>

namespace platform {
namespace {

MessageBoxPresenter& CurrentPresenter() {
  static MessageBoxPresenter presenter = ShowModalMessageBox;
  return presenter;
}

}  // namespace

void PresentMessageBox(QWidget* parent, const std::string& text, MessageIcon icon) {
  CurrentPresenter()(parent, text, icon);
}

MessageBoxPresenter ReplaceMessageBoxPresenter(MessageBoxPresenter presenter) {
  if (!presenter) presenter = ShowModalMessageBox;
  return std::exchange(CurrentPresenter(), std::move(presenter));
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const std::string& text, MessageIcon icon) {
  const auto qtIcon = icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon;
  auto box = std::make_unique<QMessageBox>(qtIcon, QString::fromUtf8(MessageBoxTitle),
                                           QString::fromStdString(text), QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::ApplicationModal);
  return box;
}

void ShowModalMessageBox(QWidget* parent, const std::string& text, MessageIcon icon) {
  MakeMessageBox(parent, text, icon)->exec();
}

}  // namespace platform
