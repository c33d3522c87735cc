// A child window that draws nothing, so the controls beneath it stay fully
// visible, but takes every mouse press within its rectangle.
#pragma once

#include <QWidget>

namespace mosuo {

class TransparentLabel : public QWidget {
  Q_OBJECT

 public:
  explicit TransparentLabel(QWidget* parent);

 signals:
  void left_pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace mosuo
