#include "motion/AnimatedGif.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <new>

#include "common/Colour.h"
#include "common/SafeFile.h"

namespace quorvel {
namespace {

// Viewers do not show a delay of 0 or 1 centisecond as asked: browsers take it as 10, others
// as "as fast as possible". From 2 on every viewer keeps to the delay, so that is the least a
// frame is given.
constexpr int kMinimumDelay = 2;
constexpr int kMaximumDelay = 0xFFFF;  // the field's 16 bits
constexpr int kMaximumSide = 0xFFFF;
constexpr size_t kMaximumColours = 256;
constexpr uint32_t kRgbMask = 0xFFFFFF;

// The distinct colours of a frame, how often each occurs and the index in the frame's colour
// table it is written as. Open addressing in a power-of-two table that stays from frame to
// frame; only the slots a frame used are emptied for the next.
class ColourCounts {
 public:
  struct Slot {
    uint32_t key = 0;  // the colour with bit 24 set, so that 0 is an empty slot
    uint32_t count = 0;
    GifPixelType index = 0;
  };

  void clear() {
    for (const uint32_t at : used_)
      slots_[at] = Slot{};
    used_.clear();
  }
  // `count` more pixels of `colour` (0xRRGGBB).
  void add(uint32_t colour, uint32_t count) { slots_[find(colour)].count += count; }
  // The slot of `colour`, made when it is new.
  Slot& of(uint32_t colour) { return slots_[find(colour)]; }
  // Where the slots in use are.
  const std::vector<uint32_t>& used() const { return used_; }
  Slot& slot(uint32_t at) { return slots_[at]; }

 private:
  uint32_t home(uint32_t key) const { return (key * 0x9E3779B1u) >> (32 - bits_); }
  uint32_t find(uint32_t colour);
  void grow();

  int bits_ = 10;
  std::vector<Slot> slots_ = std::vector<Slot>(size_t{1} << bits_);
  std::vector<uint32_t> used_;
};

uint32_t ColourCounts::find(uint32_t colour) {
  const uint32_t key = colour | 0x1000000u;
  const uint32_t mask = static_cast<uint32_t>(slots_.size() - 1);
  for (uint32_t at = home(key);; at = (at + 1) & mask) {
    Slot& candidate = slots_[at];
    if (candidate.key == key) return at;
    if (candidate.key == 0) {
      if ((used_.size() + 1) * 2 > slots_.size()) {  // at most half full
        grow();
        return find(colour);
      }
      candidate.key = key;
      used_.push_back(at);
      return at;
    }
  }
}

void ColourCounts::grow() {
  std::vector<Slot> old(size_t{1} << (bits_ + 1));
  old.swap(slots_);
  ++bits_;
  const uint32_t mask = static_cast<uint32_t>(slots_.size() - 1);
  for (uint32_t& at : used_) {
    const Slot moved = old[at];
    at = home(moved.key);
    while (slots_[at].key != 0)
      at = (at + 1) & mask;
    slots_[at] = moved;
  }
}

// Counts the colours of `pixels`, a run of one colour at a time: the pictures are mostly
// background, so a run costs one look-up.
void countColours(const uint32_t* pixels, size_t count, ColourCounts& counts) {
  size_t i = 0;
  while (i < count) {
    const uint32_t colour = pixels[i] & kRgbMask;
    size_t end = i + 1;
    while (end < count && (pixels[end] & kRgbMask) == colour)
      ++end;
    counts.add(colour, static_cast<uint32_t>(end - i));
    i = end;
  }
}

struct Palette {
  std::array<uint32_t, kMaximumColours> colours{};
  size_t size = 0;
  // The indices ordered by the colours' green, for the search of the nearest.
  std::array<GifPixelType, kMaximumColours> byGreen{};

  void orderByGreen() {
    for (size_t i = 0; i < size; ++i)
      byGreen[i] = static_cast<GifPixelType>(i);
    std::sort(byGreen.begin(), byGreen.begin() + static_cast<std::ptrdiff_t>(size),
              [this](GifPixelType a, GifPixelType b) {
                return greenOf(colours[a]) != greenOf(colours[b])
                           ? greenOf(colours[a]) < greenOf(colours[b])
                           : a < b;
              });
  }
};

int squaredDistance(uint32_t a, uint32_t b) {
  const int dr = redOf(a) - redOf(b);
  const int dg = greenOf(a) - greenOf(b);
  const int db = blueOf(a) - blueOf(b);
  return dr * dr + dg * dg + db * db;
}

// The colour of `palette` nearest to `colour` (squared distance in RGB); of equally near
// ones the first, the more frequent. The search goes out from `colour`'s green both ways and
// stops on a side where the green alone is farther than the nearest found.
GifPixelType nearest(const Palette& palette, uint32_t colour) {
  const int green = greenOf(colour);
  const auto greenAt = [&palette](size_t k) {
    return greenOf(palette.colours[palette.byGreen[k]]);
  };
  size_t up = 0;
  while (up < palette.size && greenAt(up) < green)
    ++up;
  size_t down = up;  // the next one below is down - 1
  GifPixelType best = 0;
  int bestDistance = INT_MAX;
  const auto consider = [&](size_t k) {
    const GifPixelType index = palette.byGreen[k];
    const int distance = squaredDistance(colour, palette.colours[index]);
    if (distance < bestDistance || (distance == bestDistance && index < best)) {
      best = index;
      bestDistance = distance;
    }
  };
  while (up < palette.size || down > 0) {
    if (up < palette.size) {
      const int dg = greenAt(up) - green;
      if (dg * dg > bestDistance) {
        up = palette.size;
      } else {
        consider(up++);
      }
    }
    if (down > 0) {
      const int dg = green - greenAt(down - 1);
      if (dg * dg > bestDistance) {
        down = 0;
      } else {
        consider(--down);
      }
    }
  }
  return best;
}

// The frame's colour table: its colours, the most frequent first (of equal counts the lower
// value first), at most 256 of them. Every colour's slot gets its index: its own place in the
// table, or the nearest colour's for those left out. `order` is room to sort in.
Palette choosePalette(ColourCounts& counts, std::vector<uint32_t>& order) {
  order = counts.used();
  const auto before = [&counts](uint32_t a, uint32_t b) {
    const ColourCounts::Slot& x = counts.slot(a);
    const ColourCounts::Slot& y = counts.slot(b);
    return x.count != y.count ? x.count > y.count : x.key < y.key;
  };
  Palette palette;
  palette.size = std::min(order.size(), kMaximumColours);
  const auto kept = order.begin() + static_cast<std::ptrdiff_t>(palette.size);
  std::partial_sort(order.begin(), kept, order.end(), before);
  for (size_t i = 0; i < palette.size; ++i) {
    ColourCounts::Slot& slot = counts.slot(order[i]);
    palette.colours[i] = slot.key & kRgbMask;
    slot.index = static_cast<GifPixelType>(i);
  }
  if (kept == order.end()) return palette;
  palette.orderByGreen();
  for (auto rest = kept; rest != order.end(); ++rest) {
    ColourCounts::Slot& slot = counts.slot(*rest);
    slot.index = nearest(palette, slot.key & kRgbMask);
  }
  return palette;
}

// Each pixel's index in the colour table, again a run of one colour at a time.
void indexPixels(const uint32_t* pixels, size_t count, ColourCounts& counts,
                 std::vector<GifPixelType>& indices) {
  indices.resize(count);
  uint32_t previous = ~0u;
  GifPixelType index = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t colour = pixels[i] & kRgbMask;
    if (colour != previous) {
      index = counts.of(colour).index;
      previous = colour;
    }
    indices[i] = index;
  }
}

// giflib's output: the bytes go to the vector its user data points to. giflib is C, so no
// exception may leave here; a failure is a short write, which giflib reports.
int appendBytes(GifFileType* file, const GifByteType* data, int length) {
  auto* bytes = static_cast<std::vector<uint8_t>*>(file->UserData);
  try {
    bytes->insert(bytes->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return length;
}

// The application extension NETSCAPE2.0, which viewers read as the loop count: sub-block 1
// holds it, 16 bits, 0 for "for ever".
bool putLoopForever(GifFileType* file) {
  static constexpr char kApplication[] = "NETSCAPE2.0";
  static constexpr GifByteType kLoop[] = {1, 0, 0};
  return EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(file, sizeof kApplication - 1, kApplication) == GIF_OK &&
         EGifPutExtensionBlock(file, sizeof kLoop, kLoop) == GIF_OK &&
         EGifPutExtensionTrailer(file) == GIF_OK;
}

bool putDelay(GifFileType* file, int delay) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;  // every frame covers the whole screen anyway
  control.UserInputFlag = false;
  control.DelayTime = delay;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const size_t length = EGifGCBToExtension(&control, extension);
  return EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
         GIF_OK;
}

using ColourMap = std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)>;

// giflib takes colour tables of 2, 4, ... 256 entries; the entries beyond the palette are
// black and never used.
ColourMap makeColourMap(const Palette& palette) {
  std::array<GifColorType, kMaximumColours> colours{};
  for (size_t i = 0; i < palette.size; ++i) {
    colours[i].Red = static_cast<GifByteType>(redOf(palette.colours[i]));
    colours[i].Green = static_cast<GifByteType>(greenOf(palette.colours[i]));
    colours[i].Blue = static_cast<GifByteType>(blueOf(palette.colours[i]));
  }
  const int entries = 1 << GifBitSize(static_cast<int>(palette.size));
  return ColourMap(GifMakeMapObject(entries, colours.data()), &GifFreeMapObject);
}

}  // namespace

struct AnimatedGif::Encoder {
  int width;
  int height;
  int delay;
  int frames = 0;
  GifFileType* file = nullptr;  // nothing once the file is finished or has failed
  std::vector<uint8_t> bytes;
  ColourCounts counts;
  std::vector<uint32_t> order;
  std::vector<GifPixelType> indices;

  Encoder(int w, int h, int delayCentiseconds)
      : width(w), height(h), delay(std::clamp(delayCentiseconds, kMinimumDelay, kMaximumDelay)) {}
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;
  ~Encoder() { close(); }

  bool open();
  bool putFrame(const uint32_t* pixels);
  bool close();
};

// The header, the screen without a colour table of its own (each frame brings one) and the
// loop.
bool AnimatedGif::Encoder::open() {
  if (width < 1 || width > kMaximumSide || height < 1 || height > kMaximumSide) return false;
  int error = 0;
  file = EGifOpen(&bytes, appendBytes, &error);
  if (file == nullptr) return false;
  EGifSetGifVersion(file, true);  // GIF89a: the extensions need it
  return EGifPutScreenDesc(file, width, height, 8, 0, nullptr) == GIF_OK && putLoopForever(file);
}

bool AnimatedGif::Encoder::putFrame(const uint32_t* pixels) {
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  counts.clear();
  countColours(pixels, count, counts);
  const Palette palette = choosePalette(counts, order);
  indexPixels(pixels, count, counts, indices);
  const ColourMap map = makeColourMap(palette);
  if (map == nullptr || !putDelay(file, delay) ||
      EGifPutImageDesc(file, 0, 0, width, height, false, map.get()) != GIF_OK) {
    return false;
  }
  // giflib masks the indices in place, hence a line it may change.
  for (int y = 0; y < height; ++y) {
    GifPixelType* line = indices.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    if (EGifPutLine(file, line, width) != GIF_OK) return false;
  }
  return true;
}

// Writes the trailer and frees giflib's state, whatever happened before. giflib does not check
// the trailer's write, so the last byte is looked at here.
bool AnimatedGif::Encoder::close() {
  if (file == nullptr) return false;
  int error = 0;
  const bool closed = EGifCloseFile(file, &error) == GIF_OK;
  file = nullptr;
  return closed && !bytes.empty() && bytes.back() == ';';
}

AnimatedGif::AnimatedGif(int width, int height, int delayCentiseconds)
    : encoder_(std::make_unique<Encoder>(width, height, delayCentiseconds)) {
  if (!encoder_->open()) encoder_->close();
}

AnimatedGif::~AnimatedGif() = default;
AnimatedGif::AnimatedGif(AnimatedGif&&) noexcept = default;
AnimatedGif& AnimatedGif::operator=(AnimatedGif&&) noexcept = default;

void AnimatedGif::addFrame(const uint32_t* pixels) {
  if (encoder_ == nullptr || encoder_->file == nullptr) return;
  if (encoder_->putFrame(pixels)) {
    ++encoder_->frames;
  } else {
    encoder_->close();  // the file is spoilt: finish() reports it
    encoder_->bytes = {};
  }
}

int AnimatedGif::frames() const {
  return encoder_ == nullptr ? 0 : encoder_->frames;
}

std::optional<std::vector<uint8_t>> AnimatedGif::finish() {
  if (encoder_ == nullptr || !encoder_->close()) return std::nullopt;
  return std::move(encoder_->bytes);
}

bool writeAnimatedGif(AnimatedGif& gif, const std::string& path) {
  const std::optional<std::vector<uint8_t>> bytes = gif.finish();
  return bytes.has_value() && writeFileSafely(path, *bytes);
}

}  // namespace quorvel
