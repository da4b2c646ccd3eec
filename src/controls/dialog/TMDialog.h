#pragma once
// The base of every dialog of the program: built from a dialog template (by
// resource id), children found by id, the dialog font on every child, two
// bevelled borders inside the client edge (sunken 4 px in, raised 7 px in) and
// the button-face colour behind the controls.
//
// Life: construct (bind the program's own control objects with BindItem), then
// Create() builds the widgets and runs SetupWindow(); Execute() does the same
// and runs the dialog modally. A template with WS_CHILD makes a child widget.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QHash>
#include <QString>

#include <functional>

#include "controls/dialog/DialogUnits.h"
#include "resources/dialogs/DialogTemplate.h"

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

class TMDialog : public QDialog {
    Q_OBJECT
public:
    using ItemFactory = std::function<QWidget*(QWidget* parent)>;

    TMDialog(QWidget* parent, int resourceId);
    ~TMDialog() override;

    int ResourceId() const { return resourceId_; }
    bool IsCreated() const { return created_; }

    // Before Create: the template entry with this id becomes the factory's widget
    // instead of the standard control of its class.
    void BindItem(int id, ItemFactory factory);
    // Before Create: a caption too long for the template's width widens the
    // dialog until a title bar shows it whole; the controls keep their places
    // about the centre.
    void WidenForCaption() { widenForCaption_ = true; }

    // Builds the controls and runs SetupWindow once. 0, or -1 when the template
    // is missing or names a class that is neither standard nor bound.
    int Create();
    // Create() if needed, then modal; the id passed to EndDialog, or -1.
    int Execute();
    void EndDialog(int result);
    // Escape: EvCommand(IDCANCEL) for a dialog window, nothing for a child dialog.
    void reject() override;

    // GetDlgItem / SetDlgItemText / GetDlgItemText by control id.
    QWidget* item(int id) const;
    template <class T> T* itemAs(int id) const { return qobject_cast<T*>(item(id)); }
    int SetDlgItemText(int id, const QString& text);   // 0, or -1 for an unknown id
    QString GetDlgItemText(int id) const;

    const QFont& DialogFont() const { return dialogFont_; }
    DialogBaseUnits BaseUnits() const { return baseUnits_; }
    QRect MapDialogRect(const QRect& dialogUnits) const;
    QColor FaceColor() const { return faceColor_; }

    // Sends the font to every descendant, as WM_SETFONT without redraw.
    static void SetFontOnItem(QWidget* widget, const QFont& font);

protected:
    // The set-up after the controls exist; derived classes call the base first.
    virtual void SetupWindow();
    // The system colours changed: renew the button face.
    virtual void SysColorChange();
    // A button of the template was clicked. IDOK and IDCANCEL end the dialog.
    virtual void EvCommand(int id);

    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ApplyFace();

    int resourceId_;
    bool created_ = false;
    bool widenForCaption_ = false;
    QFont dialogFont_;
    DialogBaseUnits baseUnits_;
    QColor faceColor_;
    QHash<int, ItemFactory> bound_;
    QHash<int, QWidget*> items_;
};
