#include "app/transparent_label.hpp"

#include <QMouseEvent>

namespace mosuo {

TransparentLabel::TransparentLabel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();  // the press stays here: the control beneath never sees it
  if (event->button() == Qt::LeftButton) emit left_pressed();
}

void TransparentLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}

// A second press in quick succession is still a press.
void TransparentLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

}  // namespace mosuo
