#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVector>
#include <cstddef>

namespace e2e {

// Input beyond what hands deliver, sent to the program's window: a paste of any
// size through the clipboard and pointer moves with no pause between them. It also
// reads how much memory the program holds.
class HostileInput {
 public:
  // Finds the program's visible window on the display; Found() tells whether it did.
  explicit HostileInput(QString display);
  bool Found() const { return !window_.isEmpty(); }

  // Puts the text on the clipboard, clicks the box at that point of the client
  // area, selects all of it and pastes.
  void PasteInto(QPoint box, const QByteArray& text);

  // Presses the left button at `from`, moves through every point of the path in
  // one burst of events, and lets go at its last point. Positions are client pixels
  // and must not be negative (xdotool would take them for options).
  void DragBurst(QPoint from, const QVector<QPoint>& path);

  // The program's resident memory in bytes; 0 once it has ended or when unknown.
  std::size_t ProgramResidentBytes() const;

 private:
  QByteArray Xdotool(const QStringList& arguments) const;
  QStringList MoveTo(QPoint client) const;

  QString display_;
  QString window_;
  qint64 processId_ = 0;
};

}  // namespace e2e
