#include "gui/SaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace gui {
namespace {

constexpr const char* FolderKey = "SaveFolder";

struct FileType {
  picture::PictureFormat format;
  const char* filter;
  const char* extension;
};
constexpr FileType FileTypes[] = {
    {picture::PictureFormat::Png, "PNG image (*.png)", "png"},
    {picture::PictureFormat::Svg, "SVG image (*.svg)", "svg"},
};

const FileType& TypeOf(picture::PictureFormat format) {
  for (const FileType& type : FileTypes)
    if (type.format == format) return type;
  return FileTypes[0];
}

picture::PictureFormat FormatOfFilter(const QString& filter) {
  for (const FileType& type : FileTypes)
    if (filter == type.filter) return type.format;
  return picture::PictureFormat::Png;
}

}  // namespace

QString WithChosenExtension(const QString& name, picture::PictureFormat chosen) {
  if (!QFileInfo(name).suffix().isEmpty()) return name;
  return name + (name.endsWith('.') ? "" : ".") + TypeOf(chosen).extension;
}

QString SaveFolder(const QSettings& settings) {
  QString remembered = settings.value(FolderKey).toString();
  if (!remembered.isEmpty() && QDir(remembered).exists()) return remembered;
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

void RememberSaveFolder(QSettings& settings, const QString& savedFile) {
  settings.setValue(FolderKey, QFileInfo(savedFile).absolutePath());
}

QSettings& ProgramSettings() {
  static QSettings settings("surfplot", "surfplot");
  return settings;
}

QString AskPictureFileName(QWidget* parent, QSettings& settings) {
  QStringList filters;
  for (const FileType& type : FileTypes) filters << type.filter;
  QFileDialog dialog(parent, "Save Picture As", SaveFolder(settings), filters.join(";;"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.selectFile("surface.png");
  dialog.setDefaultSuffix(TypeOf(picture::PictureFormat::Png).extension);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    dialog.setDefaultSuffix(TypeOf(FormatOfFilter(filter)).extension);
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  QString name =
      WithChosenExtension(dialog.selectedFiles().first(), FormatOfFilter(dialog.selectedNameFilter()));
  RememberSaveFolder(settings, name);
  return name;
}

}  // namespace gui
