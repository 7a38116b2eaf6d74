#include "qt/PictureImage.h"

#include <QBuffer>

namespace quorvel {

QImage imageOf(const Picture& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.data()), picture.width(), picture.height(),
                picture.width() * 4, QImage::Format_RGB32);
}

std::vector<uint8_t> pngBytes(const Picture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  imageOf(picture).save(&buffer, "PNG");
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace quorvel
