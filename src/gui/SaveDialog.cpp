#include "gui/SaveDialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "picture/NumberedFrames.h"

namespace gui {
namespace {

constexpr const char* FolderKey = "SaveFolder";

struct FileType {
  const char* filter;
  const char* extension;
};
// In the order of picture::PictureFormat.
constexpr FileType PictureTypes[] = {
    {"PNG image (*.png)", "png"},
    {"SVG image (*.svg)", "svg"},
};
// A turning picture is one animation, or one PNG file per frame.
constexpr FileType TurntableTypes[] = {
    {"WebP animation (*.webp)", "webp"},
    {"GIF animation (*.gif)", "gif"},
    {"PNG frames (*.png)", "png"},
};

const FileType& TypeOf(picture::PictureFormat format) {
  return PictureTypes[static_cast<std::size_t>(format)];
}

template <std::size_t Count>
const FileType& TypeOfFilter(const FileType (&types)[Count], const QString& filter) {
  for (const FileType& type : types)
    if (filter == type.filter) return type;
  return types[0];
}

QString WithExtension(const QString& name, const char* extension) {
  if (!QFileInfo(name).suffix().isEmpty()) return name;
  return name + (name.endsWith('.') ? "" : ".") + extension;
}

// The save dialog of the given file types, the first chosen at first; the name
// typed, with the chosen type's extension where it has none.
template <std::size_t Count>
QString AskFileName(QWidget* parent, QSettings& settings, const QString& title,
                    const FileType (&types)[Count], const QString& startName) {
  QStringList filters;
  for (const FileType& type : types) filters << type.filter;
  QFileDialog dialog(parent, title, SaveFolder(settings), filters.join(";;"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.selectFile(startName);
  dialog.setDefaultSuffix(types[0].extension);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &types](const QString& filter) {
    dialog.setDefaultSuffix(TypeOfFilter(types, filter).extension);
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  QString name = WithExtension(dialog.selectedFiles().first(),
                               TypeOfFilter(types, dialog.selectedNameFilter()).extension);
  RememberSaveFolder(settings, name);
  return name;
}

}  // namespace

QString WithChosenExtension(const QString& name, picture::PictureFormat chosen) {
  return WithExtension(name, TypeOf(chosen).extension);
}

QString WithFrameNumberField(const QString& name) {
  const QFileInfo file(name);
  if (file.suffix().toLower() != "png" || picture::NumberFieldsIn(QFile::encodeName(name).toStdString()) != 0)
    return name;
  return name.left(name.size() - file.suffix().size() - 1) + "-%03d." + file.suffix();
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
  return AskFileName(parent, settings, "Save Picture As", PictureTypes, "surface.png");
}

QString AskTurntableFileName(QWidget* parent, QSettings& settings) {
  const QString name = AskFileName(parent, settings, "Save Turntable As", TurntableTypes, "surface.webp");
  return name.isEmpty() ? name : WithFrameNumberField(name);
}

}  // namespace gui
