#include "app/wrapping_button.hpp"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace mosuo {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);  // no button of the window is pressed by Enter
}

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus frame
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                       QPalette::ButtonText);
}

}  // namespace mosuo
