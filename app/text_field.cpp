#include "app/text_field.hpp"

#include <QFocusEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "app/field_text.hpp"
#include "app/wrap_policy.hpp"

namespace mosuo {

TextField::TextField(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);  // the window moves the focus; a Tab is never typed
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The selection is hidden while the field does not have the focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight,
                   colours.color(QPalette::Active, QPalette::Base));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::Text));
  setPalette(colours);
  // A long line is laid out whole; skipping shaping where no script needs it
  // takes a quarter off that.
  QFont plain = font();
  plain.setStyleStrategy(QFont::PreferNoShaping);
  setFont(plain);
  connect(document(), &QTextDocument::contentsChange, this, [this] { changed_since_mark_ = true; });
}

text TextField::value() const {
  return value_from_field_text(document()->toRawText());
}

void TextField::show_text(const QString& shown) {
  const QTextOption::WrapMode mode = wrap_mode_for(shown);
  // Changing the mode lays the old text out again: empty the field first, so
  // that an old long line never meets word-boundary wrapping.
  if (mode != wordWrapMode()) {
    clear();
    setWordWrapMode(mode);
  }
  setPlainText(shown);
}

void TextField::replace_in_place(const QString& shown) {
  // Plain numbers: a saved cursor would follow the text being replaced.
  const int anchor = textCursor().anchor();
  const int position = textCursor().position();
  const int scrolled = verticalScrollBar()->value();
  show_text(shown);
  const int end = document()->characterCount() - 1;
  QTextCursor cursor(document());
  cursor.setPosition(std::min(anchor, end));
  cursor.setPosition(std::min(position, end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  verticalScrollBar()->setValue(scrolled);
}

void TextField::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  emit focus_lost(event->reason());
}

void TextField::insertFromMimeData(const QMimeData* source) {
  if (source->hasText()) {
    const QString pasted = source->text();
    // The pasted line joins the one at the caret; the layout cannot hold more.
    if (longest_line(pasted) + textCursor().block().length() > line_limit_) {
      emit paste_refused();
      return;
    }
    // A pasted run without break opportunities would make word wrapping crawl.
    if (wrap_mode_for(pasted) == QTextOption::WrapAnywhere)
      setWordWrapMode(QTextOption::WrapAnywhere);
  }
  QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace mosuo
