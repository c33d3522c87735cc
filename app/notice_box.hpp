// The notice box: a modal message box without an owner window and without an
// icon, with OK alone or OK and Cancel, OK being the default. Commands ask it
// through this interface so that tests can answer in its place.
#pragma once

#include <QString>

namespace mosuo {

enum class notice_buttons { ok, ok_cancel };
enum class notice_answer { ok = 0, cancel = 1 };

class notice_box {
 public:
  virtual ~notice_box() = default;
  // Escape and the close button answer Cancel; anything else counts as OK.
  virtual notice_answer ask(const QString& text, const QString& caption,
                            notice_buttons buttons) = 0;
};

// The system's message box, modal for the whole program.
class message_box_notice final : public notice_box {
 public:
  notice_answer ask(const QString& text, const QString& caption, notice_buttons buttons) override;
};

}  // namespace mosuo
