#include "pictures.h"

#include <QFile>

namespace klondar::table {

QPixmap Picture(const QString& name) {
  const QString path = QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
  if (!QFile::exists(path)) return {};
  return QPixmap(path);
}

QPixmap PictureScaled(const QString& name, QSize size) {
  const QPixmap picture = Picture(name);
  if (picture.isNull() || picture.size() == size || size.isEmpty()) return picture;
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace klondar::table

namespace klondar::table {

const QPixmap& ScaledPictures::Get(const QString& name, QSize size) {
  const auto key = std::make_pair(name, std::make_pair(size.width(), size.height()));
  auto it = cache_.find(key);
  if (it == cache_.end()) it = cache_.emplace(key, PictureScaled(name, size)).first;
  return it->second;
}

}  // namespace klondar::table
