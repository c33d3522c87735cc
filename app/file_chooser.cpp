#include "app/file_chooser.hpp"

#include <QFileDialog>
#include <QSettings>

namespace mosuo {

dialog_file_chooser::dialog_file_chooser() {
  // Qt's file dialog writes its history and last folder to the user's
  // QtProject.conf when it closes; the program keeps no settings of its own,
  // so sending the user scope to /dev/null loses nothing and writes nothing.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

std::optional<QString> dialog_file_chooser::choose(QWidget* parent, const QString& prefill) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setWindowModality(Qt::ApplicationModal);
  // Qt's own dialog: a desktop's native one (GTK's) adds the chosen file to
  // the user's recent-files list, and this program writes nothing.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (!prefill.isEmpty()) dialog.selectFile(prefill);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace mosuo
