// A push button whose caption breaks onto several lines when it does not fit
// on one, as the window's buttons do ("文本→十六进制" in 80 pixels).
#pragma once

#include <QPushButton>

namespace mosuo {

class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  WrappingButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace mosuo
