#pragma once
#include <QByteArray>
#include <QPixmap>
#include <QString>

// The program's embedded resources and picture files.
namespace platform {

// Raw bytes of a resource by type and id ("CUSTOM" 101 is ":/custom/101");
// an empty array when there is none.
QByteArray LoadResData(const QString& type, int id);

// A bitmap resource by id (":/bitmap/<id>.png"); a null pixmap when there is none.
// Bitmaps are decoded once and shared.
QPixmap LoadResBitmap(int id);

// A picture file, recognised by its content (GIF data under a .jpg name loads);
// a null pixmap when the file is missing, not a regular readable file, over 64 MB, or not a picture.
QPixmap LoadPicture(const QString& path);

}  // namespace platform
