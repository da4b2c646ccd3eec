#pragma once
// The thin strip between the buttons and the status bar. While its line flag
// is on it draws a shadow line and a highlight line across its width; without
// it the strip is plain button face.

#include <QWidget>

namespace frame {

class THSeparator : public QWidget {
    Q_OBJECT
public:
    enum Alignment { Top = 1, Bottom = 2, Centre = 3, Twin = 4 };

    explicit THSeparator(QWidget* parent = nullptr, int thickness = 1, int gap = 1, int height = 4,
                         int alignment = Top);

    bool LineFlag() const { return lineFlag_; }
    // Repaints only when the flag changes.
    void SetLineFlag(bool on);
    // Row of the shadow line; the highlight is thickness + gap below it.
    int ShadowRow() const;
    int Thickness() const { return thickness_; }
    int Gap() const { return gap_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lineFlag_ = false;
    int thickness_;
    int gap_;
    int alignment_;
    int height_;
};

}  // namespace frame
