#include "platform/gst/VideoWindow.h"

#include <QPainter>

namespace platform {

VideoWindow::VideoWindow(const QString& title, QSize pictureSize, QWidget* parent)
    : QWidget(parent), pictureSize_(pictureSize.isValid() ? pictureSize : QSize(320, 240))
{
    setWindowTitle(title);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(pictureSize_);
}

void VideoWindow::setFrame(const QImage& frame)
{
    frame_ = frame;
    ++framesShown_;
    update();
}

void VideoWindow::setDestination(const QRect& rect)
{
    destination_ = rect;
    update();
}

void VideoWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!frame_.isNull())
        painter.drawImage(destination_.isEmpty() ? rect() : destination_, frame_);
}

}  // namespace platform
