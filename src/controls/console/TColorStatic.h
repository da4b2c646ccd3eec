#pragma once
// A self-drawn static control with its own colours and a text buffer of fixed
// capacity. Writing the text already shown does nothing; a new non-empty text is
// drawn over the old one cell by cell without blanking; an empty text erases
// the control. Mouse buttons go to the parent (see MouseForward.h).
//
// The control keeps its own surface, as a window's pixels persist between
// paints: an update draws into it, a paint event shows it.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>

#include "controls/dialog/TDlgItem.h"

// Text formats (alignment in the client rectangle).
enum : std::uint16_t {
    DT_LEFT = 0x0,
    DT_TOP = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
};

class TColorStatic : public QWidget, public TDlgItem {
    Q_OBJECT
public:
    TColorStatic(QWidget* parent, int id, QColor background, QColor text, std::uint16_t format,
                 std::uint16_t capacity);

    virtual void SetBackground(QColor color);
    virtual void SetForeground(QColor color);
    virtual void SetFormat(std::uint16_t format);
    // Keeps the last Capacity() characters of a longer text.
    virtual void SetBuffer(const QString& text);

    // WM_SETTEXT: equal text nothing; empty text Clear(); else store and redraw
    // without erase.
    void SetText(const QString& text);
    // WM_CLEAR: empty text, redraw with erase.
    void Clear();
    // WM_SETFONT / WM_GETFONT: stored without repaint; nullptr when none was set
    // (the widget's own font is used then).
    void SetFont(const QFont& font);
    const QFont* GetFont() const { return font_ ? &*font_ : nullptr; }

    const QString& Buffer() const { return buffer_; }
    int Capacity() const { return capacity_; }
    QColor Background() const { return background_; }
    QColor Foreground() const { return foreground_; }
    std::uint16_t Format() const { return format_; }

    // Times the text was drawn into the surface, and times it was erased first.
    int DrawCount() const { return drawCount_; }
    int EraseCount() const { return eraseCount_; }

    // TDlgItem
    void SetupItem(const QString& templateText) override;
    void SetItemText(const QString& text) override { SetText(text); }
    QString ItemText() const override { return buffer_; }
    void SetItemFont(const QFont& font) override { SetFont(font); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Invalidate(bool erase);
    void Render();

    std::optional<QFont> font_;
    QColor background_;
    QColor foreground_;
    std::uint16_t format_;
    int capacity_;
    QString buffer_;

    QImage surface_;
    bool dirty_ = true;
    bool eraseNext_ = true;
    int drawCount_ = 0;
    int eraseCount_ = 0;
};
