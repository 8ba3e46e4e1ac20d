#include "gif_writer.h"

#include <gif_lib.h>

#include <QColor>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <unordered_map>

namespace animations {
namespace {

// The colour index left free for transparent pixels when a frame has any.
constexpr int kTransparentIndex = 255;

QString GifFailure(const char* step, int code) {
  const char* text = GifErrorString(code);
  return QString("%1 failed: %2").arg(step, text != nullptr ? text : "unknown giflib error");
}

// The frames reduced to one palette: a colour index per pixel, frame after frame.
struct Indexed {
  std::vector<GifByteType> pixels;
  std::array<GifColorType, 256> palette{};
  bool transparent = false;
};

// A 4 x 4 ordered-dither threshold, fixed on the picture so that still parts do not flicker.
int DitherOffset(int x, int y) {
  static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  // About one palette step of the soft grounds either way.
  return (kBayer[y % 4][x % 4] * 2 - 15) * 3 / 8;
}

QString Reduce(const std::vector<Frame>& frames, const QColor& matte, Indexed& out) {
  std::vector<GifByteType> red, green, blue;
  std::vector<int> dither;
  std::vector<bool> opaque;
  for (const Frame& frame : frames) {
    const QImage image = frame.image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const int a = qAlpha(line[x]);
        opaque.push_back(a >= 128);
        if (a < 128) continue;
        const auto over = [a](int c, int m) {
          return static_cast<GifByteType>((c * a + m * (255 - a) + 127) / 255);
        };
        red.push_back(over(qRed(line[x]), matte.red()));
        green.push_back(over(qGreen(line[x]), matte.green()));
        blue.push_back(over(qBlue(line[x]), matte.blue()));
        dither.push_back(DitherOffset(x, y));
      }
    }
  }
  if (red.empty()) return "no frame has a visible pixel";
  out.transparent = red.size() != opaque.size();
  int colours = out.transparent ? kTransparentIndex : 256;
  // giflib's median cut picks the palette (its own mapping, boxes of 5-bit colours, is not
  // used: it bands soft gradients and can give a small detail a neighbour's hue).
  std::vector<GifByteType> boxes(red.size());
  if (GifQuantizeBuffer(static_cast<unsigned>(red.size()), 1, &colours, red.data(), green.data(),
                        blue.data(), boxes.data(), out.palette.data()) != GIF_OK) {
    return "GifQuantizeBuffer failed: cannot reduce the colours";
  }
  if (out.transparent) {
    out.palette[kTransparentIndex] = {static_cast<GifByteType>(matte.red()),
                                      static_cast<GifByteType>(matte.green()),
                                      static_cast<GifByteType>(matte.blue())};
  }
  // Each pixel, dithered, takes the nearest palette colour.
  std::unordered_map<QRgb, GifByteType> nearest;
  const auto closest = [&](std::size_t i) {
    const auto shifted = [&](GifByteType c) { return std::clamp(c + dither[i], 0, 255); };
    const int r = shifted(red[i]), g = shifted(green[i]), b = shifted(blue[i]);
    const QRgb key = qRgb(r, g, b);
    if (const auto it = nearest.find(key); it != nearest.end()) return it->second;
    int best = 0;
    long bestDistance = -1;
    for (int c = 0; c < colours; ++c) {
      const GifColorType& entry = out.palette[static_cast<std::size_t>(c)];
      const long dr = entry.Red - r, dg = entry.Green - g, db = entry.Blue - b;
      const long distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
      if (bestDistance < 0 || distance < bestDistance) {
        best = c;
        bestDistance = distance;
      }
    }
    return nearest[key] = static_cast<GifByteType>(best);
  };
  out.pixels.resize(opaque.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < opaque.size(); ++i) {
    out.pixels[i] = opaque[i] ? closest(next++) : static_cast<GifByteType>(kTransparentIndex);
  }
  return {};
}

// A giflib output into a file saved whole or not at all: QSaveFile writes a temporary file
// beside the target and renames it into place on commit. Closing is part of writing, so a
// failed close is reported too.
class GifOutput {
 public:
  explicit GifOutput(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::WriteOnly)) {
      failure_ = "cannot write " + path + ": " + file_.errorString();
      return;
    }
    int error = 0;
    gif_ = EGifOpen(&file_, &Write, &error);
    if (gif_ == nullptr) failure_ = GifFailure("EGifOpen", error);
  }
  ~GifOutput() {
    if (gif_ != nullptr) EGifCloseFile(gif_, nullptr);
  }
  GifOutput(const GifOutput&) = delete;
  GifOutput& operator=(const GifOutput&) = delete;

  GifFileType* Gif() const { return gif_; }
  const QString& Failure() const { return failure_; }
  // Records the step's failure; true when it succeeded.
  bool Check(int result, const char* step) {
    if (result == GIF_OK) return true;
    failure_ = GifFailure(step, gif_->Error);
    return false;
  }
  bool Close() {
    int error = 0;
    const int result = EGifCloseFile(gif_, &error);
    gif_ = nullptr;
    if (result != GIF_OK) {
      failure_ = GifFailure("EGifCloseFile", error);
      return false;
    }
    if (!file_.commit()) {
      failure_ = "cannot save " + file_.fileName() + ": " + file_.errorString();
      return false;
    }
    return true;
  }

 private:
  static int Write(GifFileType* gif, const GifByteType* data, int length) {
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return static_cast<int>(file->write(reinterpret_cast<const char*>(data), length));
  }

  QSaveFile file_;
  GifFileType* gif_ = nullptr;
  QString failure_;
};

// The NETSCAPE2.0 application block with a loop count of 0: repeat forever.
bool PutLoopForever(GifOutput& out) {
  static const char kApplication[] = "NETSCAPE2.0";
  static const GifByteType kLoop[3] = {1, 0, 0};
  GifFileType* gif = out.Gif();
  return out.Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE),
                   "EGifPutExtensionLeader") &&
         out.Check(EGifPutExtensionBlock(gif, 11, kApplication), "EGifPutExtensionBlock") &&
         out.Check(EGifPutExtensionBlock(gif, 3, kLoop), "EGifPutExtensionBlock") &&
         out.Check(EGifPutExtensionTrailer(gif), "EGifPutExtensionTrailer");
}

}  // namespace

QString WriteLoopingGif(const QString& path, const std::vector<Frame>& frames,
                        const QColor& matte) {
  if (frames.empty()) return "no frames";
  const QSize size = frames.front().image.size();
  for (const Frame& frame : frames) {
    if (frame.image.size() != size) return "the frames differ in size";
  }
  Indexed indexed;
  if (QString failure = Reduce(frames, matte, indexed); !failure.isEmpty()) return failure;

  ColorMapObject* map = GifMakeMapObject(256, indexed.palette.data());
  if (map == nullptr) return "GifMakeMapObject failed: out of memory";
  QString failure;
  {
    GifOutput out(path);
    GifFileType* gif = out.Gif();
    bool ok = gif != nullptr;
    if (ok) {
      EGifSetGifVersion(gif, true);
      ok = out.Check(EGifPutScreenDesc(gif, size.width(), size.height(), 8,
                                       indexed.transparent ? kTransparentIndex : 0, map),
                     "EGifPutScreenDesc") &&
           PutLoopForever(out);
    }
    const std::size_t framePixels = static_cast<std::size_t>(size.width()) * size.height();
    for (std::size_t f = 0; ok && f < frames.size(); ++f) {
      GraphicsControlBlock control{};
      // A transparent frame must not leave the previous one showing through its holes.
      control.DisposalMode = indexed.transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
      control.UserInputFlag = false;
      control.DelayTime = (frames[f].delayMs + 5) / 10;
      control.TransparentColor = indexed.transparent ? kTransparentIndex : NO_TRANSPARENT_COLOR;
      GifByteType extension[4];
      const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
      ok = out.Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension),
                     "EGifPutExtension") &&
           out.Check(EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr),
                     "EGifPutImageDesc");
      GifByteType* pixels = indexed.pixels.data() + f * framePixels;
      for (int y = 0; ok && y < size.height(); ++y) {
        ok = out.Check(
            EGifPutLine(gif, pixels + static_cast<std::size_t>(y) * size.width(), size.width()),
            "EGifPutLine");
      }
    }
    if (ok) ok = out.Close();
    if (!ok) failure = out.Failure();
  }
  GifFreeMapObject(map);
  return failure;
}

}  // namespace animations
