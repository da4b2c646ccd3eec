#include "controls/dialog/DialogUnits.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <cstring>

namespace {

// (a * b) / c rounded half away from zero, as the system's MulDiv.
int MulDiv(int a, int b, int c)
{
    const long long p = static_cast<long long>(a) * b;
    const long long q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
    return static_cast<int>(q);
}

}  // namespace

DialogBaseUnits ComputeBaseUnits(const QFont& font)
{
    const QFontMetrics fm(font);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int total = fm.horizontalAdvance(letters);
    return {(total / 26 + 1) / 2, fm.height()};
}

QRect MapDialogRect(const QRect& du, DialogBaseUnits base)
{
    const int left = MulDiv(du.x(), base.cx, 4);
    const int top = MulDiv(du.y(), base.cy, 8);
    const int right = MulDiv(du.x() + du.width(), base.cx, 4);
    const int bottom = MulDiv(du.y() + du.height(), base.cy, 8);
    return QRect(left, top, right - left, bottom - top);
}

int PointsToPixels(int points)
{
    int dpi = 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dpi = qRound(screen->logicalDotsPerInchY());
    return MulDiv(points, dpi, 72);
}

QFont MapDialogFont(const char* face, int points)
{
    QFont font;
    if (std::strcmp(face, "MS Sans Serif") == 0 || std::strcmp(face, "Helv") == 0) {
        // Those faces do not exist here; the default sans face at the same pixel
        // height keeps the dialog units close to the original layout.
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamily(QString::fromLatin1(face));
    }
    font.setPixelSize(PointsToPixels(points));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}
