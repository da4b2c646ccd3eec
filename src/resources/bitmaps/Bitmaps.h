#pragma once
// The program's pictures by resource id: button glyphs (20 x 20 for the tool
// bar, 16 x 16 for the small and fast-wind buttons), the queue's song bitmap
// 7839, the About box's title picture 7882 and the icons 7713 and 7779. All use
// the 16 standard colours; the glyphs are drawn on the button-face grey.

#include <QColor>
#include <QPixmap>

namespace resources {

// The grey behind every glyph, which stands for the button face.
inline const QColor kGlyphFaceColor{192, 192, 192};

// The bitmap with this id, or a null pixmap when there is none.
QPixmap LoadBitmap(int id);

// The icon with this id (its transparent parts have an alpha of 0), or a null
// pixmap when there is none.
QPixmap LoadIcon(int id);

}  // namespace resources
