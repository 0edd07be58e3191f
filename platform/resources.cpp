#include "platform/resources.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImageReader>

#include "platform/regular_file.h"

namespace platform {

QByteArray LoadResData(const QString& type, int id) {
    QFile file(QStringLiteral(":/%1/%2").arg(type.toLower()).arg(id));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QPixmap LoadResBitmap(int id) {
    static QHash<int, QPixmap> decoded;
    auto found = decoded.constFind(id);
    if (found != decoded.constEnd()) return *found;
    QPixmap pixmap(QStringLiteral(":/bitmap/%1.png").arg(id));
    decoded.insert(id, pixmap);
    return pixmap;
}

QPixmap LoadPicture(const QString& path) {
    // Decoded from the bytes of the one descriptor opened: a pipe swapped in at the name is not waited on.
    std::optional<QByteArray> bytes = ReadRegularFile(path, qint64(64) << 20);
    if (!bytes) return {};
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return QPixmap::fromImage(image);
}

}  // namespace platform
