#include "controls/dialog/DialogBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "resources/bitmaps/Bitmaps.h"

using namespace resources;

namespace {

constexpr const char* kIdProperty = "dialogItemId";

QWidget* CreateStatic(QWidget* parent, const DialogItem& item)
{
    const QString text = QString::fromLatin1(item.text);
    const std::uint32_t kind = item.style & SS_TYPEMASK;
    switch (kind) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(kind >= SS_BLACKFRAME ? QFrame::Box : QFrame::Panel);
        frame->setFrameShadow(QFrame::Plain);
        return frame;
    }
    case SS_ICON: {
        // The text names the icon resource by number.
        auto* label = new QLabel(parent);
        bool ok = false;
        const int iconId = text.toInt(&ok);
        const QPixmap icon = ok ? LoadIcon(iconId) : QPixmap();
        if (!icon.isNull())
            label->setPixmap(icon);
        return label;
    }
    default: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        Qt::Alignment align = Qt::AlignTop;
        if (kind == SS_CENTER)
            align |= Qt::AlignHCenter;
        else if (kind == SS_RIGHT)
            align |= Qt::AlignRight;
        else
            align |= Qt::AlignLeft;
        label->setAlignment(align);
        label->setWordWrap(kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT);
        if (item.style & SS_SUNKEN)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    }
}

QWidget* CreateButton(QWidget* parent, const DialogItem& item)
{
    // "&" marks the mnemonic and "&&" a literal ampersand in both conventions.
    const QString label = QString::fromLatin1(item.text);
    switch (item.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return new QCheckBox(label, parent);
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return new QRadioButton(label, parent);
    case BS_GROUPBOX:
        return new QGroupBox(label, parent);
    default: {
        auto* button = new QPushButton(label, parent);
        button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button->setAutoDefault(false);
        return button;
    }
    }
}

QWidget* CreateEdit(QWidget* parent, const DialogItem& item)
{
    const QString text = QString::fromLatin1(item.text);
    if (item.style & ES_MULTILINE) {
        auto* edit = new QPlainTextEdit(text, parent);
        edit->setReadOnly(item.style & ES_READONLY);
        return edit;
    }
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(item.style & ES_READONLY);
    const std::uint32_t align = item.style & 0x3u;
    edit->setAlignment(align == ES_CENTER ? Qt::AlignHCenter : align == ES_RIGHT ? Qt::AlignRight : Qt::AlignLeft);
    return edit;
}

QWidget* CreateListBox(QWidget* parent, const DialogItem& item)
{
    auto* list = new QListWidget(parent);
    list->setSortingEnabled(item.style & LBS_SORT);
    list->setSelectionMode(item.style & LBS_EXTENDEDSEL ? QAbstractItemView::ExtendedSelection
                                                        : QAbstractItemView::SingleSelection);
    return list;
}

QWidget* CreateComboBox(QWidget* parent, const DialogItem& item)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable((item.style & 0x3u) == CBS_DROPDOWN);
    return combo;
}

}  // namespace

int DialogItemId(const QWidget* widget)
{
    const QVariant v = widget ? widget->property(kIdProperty) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

void SetDialogItemId(QWidget* widget, int id) { widget->setProperty(kIdProperty, id); }

QWidget* CreateStandardControl(QWidget* parent, const DialogItem& item)
{
    const QString cls = QString::fromLatin1(item.className).toUpper();
    if (cls == QLatin1String("STATIC"))
        return CreateStatic(parent, item);
    if (cls == QLatin1String("BUTTON"))
        return CreateButton(parent, item);
    if (cls == QLatin1String("EDIT"))
        return CreateEdit(parent, item);
    if (cls == QLatin1String("LISTBOX"))
        return CreateListBox(parent, item);
    if (cls == QLatin1String("COMBOBOX"))
        return CreateComboBox(parent, item);
    if (cls == QLatin1String("SCROLLBAR"))
        return new QScrollBar(item.style & SBS_VERT ? Qt::Vertical : Qt::Horizontal, parent);
    return nullptr;
}

bool SetStandardControlText(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        plain->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable())
        combo->setEditText(text);
    else if (qobject_cast<QFrame*>(widget) && widget->metaObject() == &QFrame::staticMetaObject)
        widget->setWindowTitle(text);
    else
        return false;
    return true;
}

bool GetStandardControlText(const QWidget* widget, QString& text)
{
    auto* w = const_cast<QWidget*>(widget);
    if (auto* label = qobject_cast<QLabel*>(w))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        text = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        text = group->title();
    else if (auto* line = qobject_cast<QLineEdit*>(w))
        text = line->text();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        text = plain->toPlainText();
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        text = combo->currentText();
    else if (qobject_cast<QFrame*>(w) && w->metaObject() == &QFrame::staticMetaObject)
        text = w->windowTitle();
    else
        return false;
    return true;
}
