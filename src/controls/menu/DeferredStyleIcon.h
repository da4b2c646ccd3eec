#pragma once
// A style's standard icon that is looked up only when it is first drawn. The
// menu bar asks for its overflow button's icon as it is made, and reading that
// icon makes Qt load every image-format plugin it has; the button is seldom
// shown, so the window comes up without them.
#include <QIcon>
#include <QIconEngine>
#include <QPointer>
#include <QStyle>

class DeferredStyleIcon : public QIconEngine {
public:
    DeferredStyleIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    const QIcon& Icon();

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool resolved_ = false;
};
