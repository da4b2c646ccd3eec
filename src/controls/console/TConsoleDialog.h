#pragma once
// The digital console: dialog 7714 with its fifteen LED controls, the digital
// and small fonts and the sunken frame around the black panel. Other code writes
// it only by control id (SetDlgItemText). Mouse buttons on its controls arrive
// at the console as the console's own mouse events, in the clicked control's
// coordinates; the console itself handles none, so they go on to its parent.

#include <QFont>

#include "controls/dialog/TMDialog.h"

class T3DFrame;

class TConsoleDialog : public TMDialog {
    Q_OBJECT
public:
    explicit TConsoleDialog(QWidget* parent);

    // Fonts the console owns and has sent to its read-outs and captions.
    const QFont& DigitalFont() const { return digitalFont_; }
    const QFont& SmallFont() const { return smallFont_; }
    T3DFrame* PanelFrame() const { return panelFrame_; }

protected:
    void SetupWindow() override;

private:
    QFont digitalFont_;
    QFont smallFont_;
    T3DFrame* panelFrame_ = nullptr;
};

// Binds the fifteen TLedStatic objects of template 7714 to their ids; for a
// dialog that is built from that template without deriving from TConsoleDialog.
void BindConsoleControls(TMDialog& dialog);

// Registers the digital face from the font file beside the program and makes
// "ZRV-Digital" resolve to it. True when the face is available; repeated calls
// register once.
bool RegisterDigitalFont();

// The two console fonts as the program asks for them, mapped to faces that exist.
QFont ConsoleDigitalFont();
QFont ConsoleSmallFont();
