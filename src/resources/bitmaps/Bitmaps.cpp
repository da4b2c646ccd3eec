#include "resources/bitmaps/Bitmaps.h"

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
    return QPixmap(QStringLiteral(":/bitmaps/%1.xpm").arg(id));
}

}  // namespace

QPixmap LoadBitmap(int id) { return IsIcon(id) ? QPixmap() : LoadPicture(id); }

QPixmap LoadIcon(int id) { return IsIcon(id) ? LoadPicture(id) : QPixmap(); }

}  // namespace resources
