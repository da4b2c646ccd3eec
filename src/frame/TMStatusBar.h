#pragma once
// The status bar (window id 32040): two recessed text panes, 7856 (the album)
// and 7857 (the song). A hint text, while one is set, covers the whole bar;
// setting none shows the panes again. Setting a text turns the separator's
// lines on when the bar is visible.

#include <QWidget>

#include <optional>

class QLabel;

namespace frame {

class THSeparator;

class TMStatusBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAlbumPane = 7856;
    static constexpr int kSongPane = 7857;

    TMStatusBar(THSeparator* separator, QWidget* parent);
    ~TMStatusBar() override;

    // 0, or -1 for an id that names no pane.
    int SetPaneText(int paneId, const QString& text);
    QString PaneText(int paneId) const;

    // null clears the hint text and brings the panes back.
    void SetHintText(const char* text);
    // The hint shown now; empty when none is.
    std::optional<QString> HintText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect HintRect() const;
    QLabel* Pane(int paneId) const;

    THSeparator* separator_;
    QLabel* albumPane_;
    QLabel* songPane_;
    QLabel* hint_;
    bool hintShown_ = false;
};

}  // namespace frame
