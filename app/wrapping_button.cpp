#include "app/wrapping_button.hpp"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <algorithm>

namespace mosuo {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setAutoDefault(false);  // no button of the window is pressed by Enter
}

// Lines break at the contents' width; a font with a tall line box (the CJK
// fonts) would push two lines out of a 32-pixel button, so the lines move
// closer together until they fit, each glyph centred in its share.
void WrappingButton::lay_out_caption(QTextLayout& layout) const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  QTextOption text_option(Qt::AlignHCenter);
  text_option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setFont(font());
  layout.setTextOption(text_option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
    line.setLineWidth(area.width());
  layout.endLayout();
  const int count = std::max(1, layout.lineCount());
  const qreal natural = fontMetrics().height();
  const qreal pitch = std::min(natural, static_cast<qreal>(area.height()) / count);
  const qreal top = area.top() + (area.height() - pitch * count) / 2 - (natural - pitch) / 2;
  for (int i = 0; i < layout.lineCount(); ++i)
    layout.lineAt(i).setPosition(QPointF(area.left(), top + i * pitch));
}

QList<QRectF> WrappingButton::caption_lines() const {
  QTextLayout layout(text());
  lay_out_caption(layout);
  QList<QRectF> lines;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    // The ink of a line: its advance across, one em of height around its centre.
    const qreal em = fontMetrics().horizontalAdvance(QChar(0x4E2D));  // 中
    const QRectF box = line.naturalTextRect();
    lines << QRectF(box.left(), box.center().y() - em / 2, box.width(), em);
  }
  return lines;
}

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus frame
  QTextLayout layout(text());
  lay_out_caption(layout);
  painter.setPen(palette().color(QPalette::ButtonText));
  layout.draw(&painter, QPointF(0, 0));
}

}  // namespace mosuo
