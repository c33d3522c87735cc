// A push button whose caption breaks onto several lines when it does not fit
// on one, as the window's buttons do ("文本→十六进制" in 80 pixels).
#pragma once

#include <QList>
#include <QPushButton>
#include <QRectF>

class QTextLayout;

namespace mosuo {

class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  WrappingButton(const QString& caption, QWidget* parent);

  // Where each line of the caption is drawn, in the button's coordinates.
  QList<QRectF> caption_lines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void lay_out_caption(QTextLayout& layout) const;
};

}  // namespace mosuo
