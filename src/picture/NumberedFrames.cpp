#include "picture/NumberedFrames.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "picture/FramePipeline.h"
#include "picture/OutputFile.h"

namespace picture {
namespace {

// A width or precision of more digits would ask for names longer than any folder takes.
constexpr std::size_t MostDigits = 3;

// The length of the number field at the start of `text` (just after its '%'), or 0.
std::size_t FieldLength(std::string_view text) {
  std::size_t k = text.find_first_not_of("-+ 0");
  if (k == std::string_view::npos) return 0;
  const auto digits = [&] {
    const std::size_t first = k;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9') ++k;
    return k - first <= MostDigits;
  };
  if (!digits()) return 0;
  if (k < text.size() && text[k] == '.' && (++k, !digits())) return 0;
  return k < text.size() && (text[k] == 'd' || text[k] == 'i' || text[k] == 'u') ? k + 1 : 0;
}

// Walks the name: `literal` for each run of plain text, `field` for each number field.
void Walk(std::string_view name, const std::function<void(std::string_view)>& literal,
          const std::function<void(std::string_view)>& field) {
  std::size_t start = 0;
  for (std::size_t k = name.find('%'); k != std::string_view::npos; k = name.find('%', start)) {
    if (k + 1 < name.size() && name[k + 1] == '%') {
      literal(name.substr(start, k + 1 - start));
      start = k + 2;
      continue;
    }
    const std::size_t length = FieldLength(name.substr(k + 1));
    if (length == 0) {
      literal(name.substr(start, k + 1 - start));
      start = k + 1;
      continue;
    }
    literal(name.substr(start, k - start));
    field(name.substr(k, length + 1));
    start = k + 1 + length;
  }
  literal(name.substr(start));
}

}  // namespace

int NumberFieldsIn(std::string_view name) {
  int fields = 0;
  Walk(
      name, [](std::string_view) {}, [&](std::string_view) { ++fields; });
  return fields;
}

std::string NumberedFrameName(std::string_view pattern, int frame) {
  std::string name;
  Walk(
      pattern, [&](std::string_view text) { name += text; },
      [&](std::string_view field) {
        // The field is checked: flags, digits and one conversion of an int.
        const std::string format(field);
        const int length = std::snprintf(nullptr, 0, format.c_str(), frame);
        std::string number(static_cast<std::size_t>(length) + 1, '\0');
        std::snprintf(number.data(), number.size(), format.c_str(), frame);
        number.pop_back();
        name += number;
      });
  return name;
}

std::optional<FrameFileFailure> WriteNumberedFrames(
    PictureFormat format, int size, int frames,
    const std::function<bool(int, render::DrawingSurface&)>& drawFrame, std::string_view pattern) {
  std::vector<std::unique_ptr<OutputFile>> files;
  std::optional<FrameFileFailure> failure;
  // Puts the last file's bytes on disk; false, the failure kept, when they could not be.
  const auto seal = [&](int frame) {
    const auto reason = files.back()->Seal();
    if (reason) failure = FrameFileFailure{NumberedFrameName(pattern, frame), *reason};
    return !reason;
  };
  bool complete = true;
  if (format == PictureFormat::Png) {
    // Each frame is compressed while the next is drawn.
    complete = DrawAndTakeFrames(size, frames, drawFrame, [&](int frame, const QImage& picture) {
      files.push_back(std::make_unique<OutputFile>(NumberedFrameName(pattern, frame)));
      AppendPng(picture, *files.back());
      return seal(frame);
    });
  } else {
    // A document is written as it is drawn.
    for (int frame = 0; complete && frame < frames; ++frame) {
      files.push_back(std::make_unique<OutputFile>(NumberedFrameName(pattern, frame)));
      const auto draw = [&](render::DrawingSurface& picture) { return drawFrame(frame, picture); };
      complete = DrawPicture(format, size, draw, *files.back()) && seal(frame);
    }
  }
  if (!complete) return failure;
  // The new names go on disk with their folders once all are in place.
  std::set<std::string> folders;
  for (int frame = 0; frame < frames && !failure; ++frame) {
    std::string folder;
    if (const auto reason = files[static_cast<std::size_t>(frame)]->CommitNameLater(folder))
      failure = FrameFileFailure{NumberedFrameName(pattern, frame), *reason};
    if (!folder.empty()) folders.insert(folder);
  }
  for (const std::string& folder : folders) SyncFolder(folder);
  return failure;
}

}  // namespace picture
