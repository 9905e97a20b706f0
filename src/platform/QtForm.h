#pragma once

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "platform/CaptionLabel.h"
#include "platform/FormControls.h"
#include "platform/ImageSurface.h"
#include "platform/PictureBox.h"
#include "platform/UpDownControl.h"
#include "window/Form1.h"

namespace platform {

// The window Form1 on screen: the controls of the layout table as Qt widgets,
// the drawing area's picture, and the window's logic, which it feeds with the
// events of its controls. Form_Load runs once, when the controls exist.
class QtForm : public QWidget, public FormControls {
 public:
  QtForm();
  ~QtForm() override;

  std::string DataText(int index) const override;
  void SetDataText(int index, const std::string& text) override;
  std::string CodeText() const override;
  void SetLabelCaption(int labelNumber, const std::string& caption) override;
  bool MenuItemChecked(int index) const override;
  void SetMenuItemChecked(int index, bool checked) override;
  void PopupColorModeMenu() override;
  int32_t GraphScaleValue() const override;
  bool Picture1Enabled() const override;
  void SetPicture1Enabled(bool enabled) override;
  int Picture1ScaleWidth() const override;
  DrawingSurface& Picture1() override;
  void SetMousePointer(PointerTarget target, PointerShape shape) override;
  void MsgBox(const std::string& text, MessageIcon icon) override;
  char DecimalSeparator() const override;
  void Unload() override;

  // The window's logic and the drawing area's picture, for tests.
  Form1& Logic() { return form1_; }
  const ImageSurface& Picture() const { return surface_; }
  // The hidden pop-up MenuColorMode(0).
  QMenu& ColorModeMenu() const { return *colorModeMenu_; }

 private:
  void BuildWindow();
  void BuildControls();
  void BuildColorModeMenu();
  void SetTabOrder();
  void ConnectEvents();
  // Runs one handler of the window's logic, then shows what it drew.
  template <class Handler>
  void Dispatch(Handler&& handler);

  QLineEdit* DataBox(int index) const;
  CaptionLabel* LabelNumber(int number) const;
  QAction* MenuItem(int index) const;

  ImageSurface surface_;
  Form1 form1_;

  PictureBox* picture1_ = nullptr;
  QLineEdit* code_ = nullptr;
  std::array<QLineEdit*, 8> data_{};        // Data(1) to Data(7)
  std::array<CaptionLabel*, 14> labels_{};  // Label1 to Label13, where they exist
  UpDownControl* graphScale_ = nullptr;
  QPushButton* commandDraw_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* cmdMenu_ = nullptr;
  QMenu* colorModeMenu_ = nullptr;
  std::array<QAction*, 5> menuItems_{};  // MenuColorModeItem(1) to (4)
};

}  // namespace platform
