#include "frame/TMStatusBar.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

#include "frame/THSeparator.h"
#include "frame/TMControlBar2.h"
#include "resources/CommandIds.h"

namespace frame {

namespace {
constexpr int kPaneCharacters = 10;
constexpr int kPaneGap = 4;

QLabel* MakePane(QWidget* parent)
{
    auto* pane = new QLabel(parent);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pane->setMinimumWidth(QFontMetrics(pane->font()).averageCharWidth() * kPaneCharacters);
    pane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    pane->setTextFormat(Qt::PlainText);
    return pane;
}
}  // namespace

TMStatusBar::TMStatusBar(THSeparator* separator, QWidget* parent)
    : QWidget(parent), separator_(separator)
{
    setObjectName(QString::number(resources::CM_STATUS_BAR));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFont(TMControlBar2::BarFont());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* layout = new QHBoxLayout(this);
    // The framework's margins with the right one narrower and the bottom one deeper.
    layout->setContentsMargins(2, 2, 1, 4);
    layout->setSpacing(0);
    albumPane_ = MakePane(this);
    songPane_ = MakePane(this);
    layout->addWidget(albumPane_, 1);
    layout->addSpacing(kPaneGap);
    layout->addWidget(songPane_, 1);

    hint_ = MakePane(this);
    hint_->setFrameStyle(QFrame::NoFrame);
    hint_->hide();
    const int paneHeight = QFontMetrics(font()).height() + 4;
    albumPane_->setFixedHeight(paneHeight);
    songPane_->setFixedHeight(paneHeight);
    setFixedHeight(paneHeight + 6);
}

TMStatusBar::~TMStatusBar() = default;

QLabel* TMStatusBar::Pane(int paneId) const
{
    if (paneId == kAlbumPane)
        return albumPane_;
    if (paneId == kSongPane)
        return songPane_;
    return nullptr;
}

int TMStatusBar::SetPaneText(int paneId, const QString& text)
{
    QLabel* pane = Pane(paneId);
    if (!pane)
        return -1;
    pane->setText(text);
    return 0;
}

QString TMStatusBar::PaneText(int paneId) const
{
    QLabel* pane = Pane(paneId);
    return pane ? pane->text() : QString();
}

void TMStatusBar::SetHintText(const char* text)
{
    if (separator_)
        separator_->SetLineFlag(text != nullptr && isVisible());
    hintShown_ = text != nullptr;
    if (!hintShown_) {
        hint_->hide();
        hint_->clear();
        albumPane_->show();
        songPane_->show();
        return;
    }
    hint_->setText(QString::fromLatin1(text));
    hint_->setGeometry(HintRect());
    albumPane_->hide();
    songPane_->hide();
    hint_->show();
    hint_->raise();
}

QRect TMStatusBar::HintRect() const
{
    return rect().adjusted(2, 2, -1, -4);
}

void TMStatusBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    hint_->setGeometry(HintRect());
}

std::optional<QString> TMStatusBar::HintText() const
{
    if (!hintShown_)
        return std::nullopt;
    return hint_->text();
}

}  // namespace frame
