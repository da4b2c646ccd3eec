#pragma once
// The window a video clip plays in: a top-level window of its own unless the
// program gives it a parent. It shows the latest decoded frame, scaled into the
// destination rectangle.

#include <QImage>
#include <QRect>
#include <QWidget>

namespace platform {

class VideoWindow : public QWidget {
    Q_OBJECT
public:
    explicit VideoWindow(const QString& title, QSize pictureSize, QWidget* parent = nullptr);

    void setFrame(const QImage& frame);
    // Where the picture goes in the window; an empty rectangle means the whole window.
    void setDestination(const QRect& rect);
    QRect destination() const { return destination_; }

    const QImage& frame() const { return frame_; }
    int framesShown() const { return framesShown_; }
    QSize sizeHint() const override { return pictureSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize pictureSize_;
    QImage frame_;
    QRect destination_;
    int framesShown_ = 0;
};

}  // namespace platform
