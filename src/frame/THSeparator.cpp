#include "frame/THSeparator.h"

#include <QPainter>
#include <QPalette>

namespace frame {

THSeparator::THSeparator(QWidget* parent, int thickness, int gap, int height, int alignment)
    : QWidget(parent), thickness_(thickness), gap_(gap), alignment_(alignment),
      height_(alignment == Twin ? 2 * thickness + gap : height)
{
    setObjectName(QStringLiteral("ZRV-Separator"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFixedHeight(height_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void THSeparator::SetLineFlag(bool on)
{
    if (on == lineFlag_)
        return;
    lineFlag_ = on;
    update();
}

int THSeparator::ShadowRow() const
{
    if ((alignment_ & Twin) != 0 || alignment_ == Top)
        return 1;
    if (alignment_ == Bottom)
        return height_ - 2 * thickness_ - gap_;
    if (alignment_ == Centre)
        return (height_ - gap_) / 2 - thickness_;
    return 1;
}

QSize THSeparator::sizeHint() const
{
    return QSize(0, height_);
}

void THSeparator::paintEvent(QPaintEvent*)
{
    if (!lineFlag_)
        return;
    QPainter painter(this);
    const int y = ShadowRow();
    painter.fillRect(0, y, width(), thickness_, palette().color(QPalette::Dark));
    painter.fillRect(0, y + thickness_ + gap_, width(), thickness_, palette().color(QPalette::Light));
}

}  // namespace frame
