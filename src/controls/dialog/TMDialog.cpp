#include "controls/dialog/TMDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

#include "controls/dialog/DialogBuilder.h"
#include "controls/dialog/T3DFrame.h"
#include "controls/dialog/TDlgItem.h"

using namespace resources;

namespace {

// The width a title bar needs to show caption whole: the caption in the
// desktop's title font, bold as window managers draw it, and room for the
// window's icon and its three buttons with the space between them.
int TitleBarWidth(const QString& caption, const QStyle* style)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int button = std::max(style->pixelMetric(QStyle::PM_TitleBarHeight), metrics.height());
    return metrics.horizontalAdvance(caption) + 5 * button;
}

}  // namespace

TMDialog::TMDialog(QWidget* parent, int resourceId) : QDialog(parent), resourceId_(resourceId) {}

TMDialog::~TMDialog() = default;

void TMDialog::BindItem(int id, ItemFactory factory) { bound_.insert(id, std::move(factory)); }

int TMDialog::Create()
{
    if (created_)
        return 0;
    const DialogTemplate* tmpl = FindDialogTemplate(resourceId_);
    if (!tmpl)
        return -1;

    dialogFont_ = MapDialogFont(tmpl->fontFace, tmpl->fontPoints);
    baseUnits_ = ComputeBaseUnits(dialogFont_);

    if ((tmpl->style & WS_CHILD) && !(tmpl->style & WS_POPUP))
        setWindowFlags(Qt::Widget);
    if (tmpl->caption && *tmpl->caption)
        setWindowTitle(QString::fromLatin1(tmpl->caption));
    QRect client = MapDialogRect(QRect(0, 0, tmpl->width, tmpl->height));
    int shift = 0;
    if (widenForCaption_ && isWindow()) {
        const int needed = TitleBarWidth(windowTitle(), style());
        if (needed > client.width()) {
            shift = (needed - client.width()) / 2;
            client.setWidth(needed);
        }
    }
    setFixedSize(client.size());

    for (const DialogItem& entry : tmpl->items) {
        QWidget* widget = nullptr;
        if (auto it = bound_.constFind(entry.id); it != bound_.constEnd())
            widget = (*it)(this);
        else
            widget = CreateStandardControl(this, entry);
        if (!widget)
            return -1;
        SetDialogItemId(widget, entry.id);
        widget->setGeometry(MapDialogRect(QRect(entry.x, entry.y, entry.width, entry.height)).translated(shift, 0));
        widget->setEnabled(!(entry.style & WS_DISABLED));
        widget->setVisible(entry.style & WS_VISIBLE);
        if (auto* own = dynamic_cast<TDlgItem*>(widget))
            own->SetupItem(QString::fromLatin1(entry.text));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int id = entry.id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { EvCommand(id); });
        }
        // Several entries may share an id (the unnamed statics): the first is found.
        if (!items_.contains(entry.id))
            items_.insert(entry.id, widget);
    }
    created_ = true;
    SetupWindow();
    return 0;
}

int TMDialog::Execute()
{
    if (Create() != 0)
        return -1;
    return exec();
}

void TMDialog::EndDialog(int result) { done(result); }

QWidget* TMDialog::item(int id) const { return items_.value(id, nullptr); }

int TMDialog::SetDlgItemText(int id, const QString& text)
{
    QWidget* widget = item(id);
    if (!widget)
        return -1;
    if (auto* own = dynamic_cast<TDlgItem*>(widget))
        own->SetItemText(text);
    else if (!SetStandardControlText(widget, text))
        widget->setWindowTitle(text);
    return 0;
}

QString TMDialog::GetDlgItemText(int id) const
{
    const QWidget* widget = item(id);
    if (!widget)
        return {};
    if (auto* own = dynamic_cast<const TDlgItem*>(widget))
        return own->ItemText();
    QString text;
    if (!GetStandardControlText(widget, text))
        text = widget->windowTitle();
    return text;
}

QRect TMDialog::MapDialogRect(const QRect& dialogUnits) const
{
    return ::MapDialogRect(dialogUnits, baseUnits_);
}

void TMDialog::SetFontOnItem(QWidget* widget, const QFont& font)
{
    if (auto* own = dynamic_cast<TDlgItem*>(widget))
        own->SetItemFont(font);
    else
        widget->setFont(font);
}

void TMDialog::SetupWindow()
{
    // Every descendant, to any depth, gets the dialog font.
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children)
        SetFontOnItem(child, dialogFont_);

    QRect r = rect().adjusted(4, 4, -4, -4);
    Make3DFrame(this, r, true, 2);
    r.adjust(2, 2, -2, -2);
    Make3DFrame(this, r, false, 2);

    ApplyFace();
}

void TMDialog::ApplyFace()
{
    faceColor_ = QApplication::palette(this).color(QPalette::Button);
    // Static, button and dialog colours: children drawn by Qt take their
    // background from the window role.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, faceColor_);
    setPalette(pal);
    update();
}

void TMDialog::SysColorChange()
{
    if (created_)
        ApplyFace();
}

void TMDialog::EvCommand(int id)
{
    if (id == IDOK || id == IDCANCEL)
        EndDialog(id);
}

void TMDialog::reject()
{
    // Escape is Cancel for a dialog window; a child dialog (the console) is part
    // of its frame and must not hide itself.
    if (isWindow())
        EvCommand(IDCANCEL);
}

void TMDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), faceColor_.isValid() ? faceColor_ : palette().color(QPalette::Button));
}

bool TMDialog::event(QEvent* event)
{
    // A top-level dialog hears of new system colours directly, a child dialog
    // through its inherited palette.
    const QEvent::Type type = event->type();
    if ((type == QEvent::ApplicationPaletteChange || type == QEvent::PaletteChange) && created_ &&
        QApplication::palette(this).color(QPalette::Button) != faceColor_)
        SysColorChange();
    return QDialog::event(event);
}
