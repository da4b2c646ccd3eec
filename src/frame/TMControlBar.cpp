#include "frame/TMControlBar.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

#include "controls/gadgets/QtGadgetTimer.h"
#include "controls/gadgets/TButtonGadget.h"
#include "controls/gadgets/TDblRepButtonGadget.h"

namespace frame {

namespace {
// The control bar's own margins, in pixels.
constexpr int kDefaultSideMargin = 6;
constexpr int kDefaultEndMargin = 2;
}  // namespace

TMControlBar::TMControlBar(int id, QWidget* parent)
    : QWidget(parent), id_(id), layout_(new QHBoxLayout(this)), timer_(std::make_unique<QtGadgetTimer>())
{
    setObjectName(QString::number(id));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetMinimumSize);
    SetMargins(kDefaultSideMargin, kDefaultEndMargin, kDefaultSideMargin, kDefaultEndMargin);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

TMControlBar::~TMControlBar() = default;

void TMControlBar::SetMargins(int left, int top, int right, int bottom)
{
    layout_->setContentsMargins(left, top, right, bottom);
}

void TMControlBar::SetCommandTarget(ICommandTarget* target)
{
    for (TButtonGadget* button : findChildren<TButtonGadget*>())
        button->SetCommandTarget(target);
}

TButtonGadget* TMControlBar::FindButton(int commandId) const
{
    for (TButtonGadget* button : findChildren<TButtonGadget*>()) {
        if (button->CommandId() == commandId)
            return button;
    }
    return nullptr;
}

void TMControlBar::AddButton(TButtonGadget* button)
{
    button->setParent(this);
    if (auto* repeating = qobject_cast<TDblRepButtonGadget*>(button))
        repeating->SetTimer(timer_.get());
    connect(button, &TButtonGadget::hintEntered, this, &TMControlBar::hintEntered);
    connect(button, &TButtonGadget::hintLeft, this, &TMControlBar::hintLeft);
    layout_->addWidget(button, 0, Qt::AlignVCenter);
}

void TMControlBar::AddSeparator(int width)
{
    layout_->addSpacing(width);
}

QLabel* TMControlBar::AddText(const QString& text, int characters)
{
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Room for the characters asked for, and never less than the text itself.
    const QFontMetrics metrics(font());
    label->setFixedWidth(std::max(metrics.averageCharWidth() * characters, metrics.horizontalAdvance(text)));
    layout_->addWidget(label, 0, Qt::AlignVCenter);
    return label;
}

void TMControlBar::AddControl(QWidget* control, bool wide, Qt::Alignment alignment)
{
    control->setParent(this);
    if (wide)
        control->setSizePolicy(QSizePolicy::Expanding, control->sizePolicy().verticalPolicy());
    layout_->addWidget(control, wide ? 1 : 0, alignment);
}

void TMControlBar::AddStretch()
{
    layout_->addStretch(1);
}

}  // namespace frame
