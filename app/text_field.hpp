// A multi-line text field: word wrap, a vertical scroll bar, Tab never typed.
// It holds a text value through the field boundary and reports losing the
// keyboard focus.
#pragma once

#include <QPlainTextEdit>
#include <limits>

#include "text/text.hpp"

namespace mosuo {

class TextField : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextField(QWidget* parent);

  text value() const;

  // Replaces the whole text; the caret goes to the start.
  void show_text(const QString& shown);
  // Replaces the whole text, keeping the caret, the selection and the scroll
  // position as far as the new text allows.
  void replace_in_place(const QString& shown);

  // Whether the text may have changed since the last mark_unchanged().
  bool changed_since_mark() const { return changed_since_mark_; }
  void mark_unchanged() { changed_since_mark_ = false; }

  // A paste that would make a line longer than this is refused.
  void set_line_limit(qsizetype characters) { line_limit_ = characters; }

 signals:
  void focus_lost(Qt::FocusReason reason);
  void paste_refused();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  bool changed_since_mark_ = true;
  qsizetype line_limit_ = std::numeric_limits<qsizetype>::max();
};

}  // namespace mosuo
