#include "resources/bitmaps/Bitmaps.h"

#include <QImageReader>
#include <QString>

#include "resources/CommandIds.h"

// A resource file compiled into a static library is registered only when
// something refers to its initialiser.
static void RegisterBitmapResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(bitmaps);
        return true;
    }();
    (void)registered;
}

namespace resources {

namespace {

bool IsIcon(int id) { return id == IDI_FRAME || id == IDI_APP_PROGRESS; }

QPixmap LoadPicture(int id)
{
    RegisterBitmapResources();
    // Read as what they are: guessing the format would load every image
    // plugin Qt has, at start-up, to ask each whether it knows the file.
    QImageReader reader(QStringLiteral(":/bitmaps/%1.xpm").arg(id), "XPM");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap LoadBitmap(int id) { return IsIcon(id) ? QPixmap() : LoadPicture(id); }

QPixmap LoadIcon(int id) { return IsIcon(id) ? LoadPicture(id) : QPixmap(); }

}  // namespace resources
