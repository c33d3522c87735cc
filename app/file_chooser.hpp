// The open-file dialog behind an interface, so that tests choose in its place.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace mosuo {

class file_chooser {
 public:
  virtual ~file_chooser() = default;
  // The full path of an existing file the user confirmed, or nothing when the
  // dialog was cancelled, escaped or closed. `prefill` stands in the
  // file-name box when the dialog opens.
  virtual std::optional<QString> choose(QWidget* parent, const QString& prefill) = 0;
};

// Qt's modal open-file dialog: every file listed, only an existing file
// accepted, the system's own title and first folder.
class dialog_file_chooser final : public file_chooser {
 public:
  dialog_file_chooser();
  std::optional<QString> choose(QWidget* parent, const QString& prefill) override;
};

}  // namespace mosuo
