// Turning pictures from the real program: each frame the single picture at its
// angle, and the animations as their decoders read them.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/demux.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

int Program(const QTemporaryDir& folder, const QString& script) {
  return std::system(
      qPrintable("cd " + folder.path() + " && S=" SURFPLOT_PROGRAM " && { " + script + "; } >/dev/null"));
}

TEST(Turntable, FramesEqualSinglePicturesAtTheirAngles) {
  const struct {
    const char* name;
    QString shared, turning;
    std::vector<int> thetas;
  } rows[] = {
      {"a whole turn from the default", "", "--frames 4", {-25, 65, 155, 245}},
      {"fractions to the nearest degree, a half to even", "", "--theta 0 --turn 5 --frames 4", {0, 1, 2, 4}},
      {"the other way", "--mode lines", "--theta 10 --turn -20 --frames 2", {10, 0}},
      {"the values turn along", "--mode colors --values", "--frames 2 --turn 90", {-25, 20}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir folder;
    QString script = "$S --size 60 " + row.shared + " " + row.turning + " --output f%d.png";
    for (int k = 0; k < static_cast<int>(row.thetas.size()); ++k)
      script += QString(" && $S --size 60 %1 --theta %2 --output s.png && cmp s.png f%3.png")
                    .arg(row.shared)
                    .arg(row.thetas[k])
                    .arg(k);
    EXPECT_EQ(Program(folder, script + " && test ! -e f" + QString::number(row.thetas.size()) + ".png"), 0);
  }
}

struct Animation {
  int loops = -1;
  std::vector<QImage> frames;
  std::vector<int> ends;  // in the format's ticks
};

Animation DecodeWebp(const QString& path) {
  QFile file(path);
  const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  const WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size())};
  WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, nullptr);
  WebPAnimInfo info{};
  Animation animation;
  if (decoder == nullptr || !WebPAnimDecoderGetInfo(decoder, &info)) return animation;
  animation.loops = static_cast<int>(info.loop_count);
  uint8_t* pixels = nullptr;
  for (int end = 0; WebPAnimDecoderGetNext(decoder, &pixels, &end);) {
    const QImage rgba(pixels, static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height),
                      QImage::Format_RGBA8888);
    animation.frames.push_back(rgba.convertToFormat(QImage::Format_RGB32));
    animation.ends.push_back(end);
  }
  WebPAnimDecoderDelete(decoder);
  return animation;
}

Animation DecodeGif(const QString& path) {
  GifFileType* gif = DGifOpenFileName(qPrintable(path), nullptr);
  Animation animation;
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK) return animation;
  for (int k = 0; k < gif->ImageCount; ++k) {
    const SavedImage& image = gif->SavedImages[k];
    for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e)
      if (image.ExtensionBlocks[e].Function == APPLICATION_EXT_FUNC_CODE &&
          QByteArray(reinterpret_cast<char*>(image.ExtensionBlocks[e].Bytes), 11) == "NETSCAPE2.0")
        animation.loops = image.ExtensionBlocks[e + 1].Bytes[1] | image.ExtensionBlocks[e + 1].Bytes[2] << 8;
    QImage frame(image.ImageDesc.Width, image.ImageDesc.Height, QImage::Format_RGB32);
    for (int p = 0; p < frame.width() * frame.height(); ++p) {
      const GifColorType color = image.ImageDesc.ColorMap->Colors[image.RasterBits[p]];
      frame.setPixel(p % frame.width(), p / frame.width(), qRgb(color.Red, color.Green, color.Blue));
    }
    animation.frames.push_back(frame);
    GraphicsControlBlock timing{};
    DGifSavedExtensionToGCB(gif, k, &timing);
    animation.ends.push_back((animation.ends.empty() ? 0 : animation.ends.back()) + timing.DelayTime);
  }
  DGifCloseFile(gif, nullptr);
  return animation;
}

TEST(Turntable, AnimationsDecodeToTheirFramesLoopingForeverAtTheirRate) {
  const struct {
    const char* name;
    const char* options;
    Animation (*decode)(const QString&);
    std::vector<int> ends;
  } rows[] = {
      {"WebP in milliseconds", "--output a.webp --fps 24", DecodeWebp, {42, 83, 125}},
      {"GIF in hundredths, a half to even", "--output a.gif --fps 8", DecodeGif, {12, 25, 38}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir folder;
    ASSERT_EQ(
        Program(folder, QString("$S --size 40 --frames 3 --output f%d.png && $S --size 40 --frames 3 ") +
                            row.options),
        0);
    const Animation animation = row.decode(folder.filePath(QString(row.options).section(' ', 1, 1)));
    EXPECT_EQ(animation.loops, 0);
    EXPECT_EQ(animation.ends, row.ends);
    for (int k = 0; k < static_cast<int>(animation.frames.size()); ++k)
      EXPECT_EQ(animation.frames[k],
                QImage(folder.filePath(QString("f%1.png").arg(k))).convertToFormat(QImage::Format_RGB32))
          << k;
  }
}

}  // namespace
