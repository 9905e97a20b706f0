// Turning pictures from the real program: each frame the single picture at its
// angle, and the animations as their own libraries' decoders read them.
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
  const std::tuple<const char*, QString, QString, QString> rows[] = {
      {"a whole turn from the default, values along", "--values", "--frames 4", "-25 65 155 245"},
      {"fractions to the nearest degree, a half to even", "", "--theta 0 --turn 5 --frames 4", "0 1 2 4"},
      {"the other way", "--mode lines", "--theta 10 --turn -20 --frames 2", "10 0"},
  };
  for (const auto& [name, shared, turning, thetas] : rows) {
    const QString single = "$S --size 60 " + shared, frames = single + " " + turning + " --output f%d.png";
    EXPECT_EQ(Program(QTemporaryDir(), frames + "; k=0; for t in " + thetas + "; do " + single +
                                           " --theta $t --output s.png && cmp s.png f$k.png || exit 1; "
                                           "k=$((k + 1)); done; test ! -e f$k.png"),
              0)
        << name;
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
  uint8_t* rgba = nullptr;
  for (int end = 0; WebPAnimDecoderGetNext(decoder, &rgba, &end); animation.ends.push_back(end))
    animation.frames.push_back(QImage(rgba, info.canvas_width, info.canvas_height, QImage::Format_RGBA8888)
                                   .convertToFormat(QImage::Format_RGB32));
  WebPAnimDecoderDelete(decoder);
  return animation;
}

Animation DecodeGif(const QString& path) {
  GifFileType* gif = DGifOpenFileName(qPrintable(path), nullptr);
  Animation animation;
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK) return animation;
  const ExtensionBlock* loop = gif->SavedImages[0].ExtensionBlocks;  // NETSCAPE2.0, then its count
  if (gif->SavedImages[0].ExtensionBlockCount > 1 &&
      QByteArray(reinterpret_cast<char*>(loop[0].Bytes), loop[0].ByteCount) == "NETSCAPE2.0")
    animation.loops = loop[1].Bytes[1] | loop[1].Bytes[2] << 8;
  for (int k = 0; k < gif->ImageCount; ++k) {
    const SavedImage& image = gif->SavedImages[k];
    QImage frame(image.RasterBits, image.ImageDesc.Width, image.ImageDesc.Height, image.ImageDesc.Width,
                 QImage::Format_Indexed8);
    const GifColorType* colors = image.ImageDesc.ColorMap->Colors;
    for (int c = 0; c < image.ImageDesc.ColorMap->ColorCount; ++c)
      frame.setColor(c, qRgb(colors[c].Red, colors[c].Green, colors[c].Blue));
    animation.frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
    GraphicsControlBlock timing{};
    DGifSavedExtensionToGCB(gif, k, &timing);
    animation.ends.push_back((k ? animation.ends.back() : 0) + timing.DelayTime);
  }
  DGifCloseFile(gif, nullptr);
  return animation;
}

TEST(Turntable, AnimationsDecodeToTheirFramesLoopingForeverAtTheirRate) {
  const std::tuple<const char*, QString, Animation (*)(const QString&), std::vector<int>> rows[] = {
      {"WebP in milliseconds", "a.webp --fps 24", DecodeWebp, {42, 83, 125}},
      {"GIF in hundredths, a half to even", "a.gif --fps 8", DecodeGif, {12, 25, 38}},
  };
  for (const auto& [name, options, decode, ends] : rows) {
    SCOPED_TRACE(name);
    const QTemporaryDir folder;
    const QString frames = "$S --size 40 --frames 3 --output ";
    ASSERT_EQ(Program(folder, frames + "f%d.png && " + frames + options), 0);
    const Animation animation = decode(folder.filePath(options.section(' ', 0, 0)));
    EXPECT_EQ(std::tuple(animation.loops, animation.ends), std::tuple(0, ends));
    for (std::size_t k = 0; k < animation.frames.size(); ++k)
      EXPECT_EQ(animation.frames[k],
                QImage(folder.filePath(QString("f%1.png").arg(k))).convertToFormat(QImage::Format_RGB32));
  }
}

}  // namespace
