#pragma once
// Mini Help: while tracking is on, the string of the highlighted menu item
// (a sub-menu shows the string of the sub-menu's own id) or of the button the
// pointer entered goes to the status bar; closing a menu or leaving the button
// clears it. With tracking off nothing is shown or cleared here.

#include <QObject>
#include <QSet>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace frame {

class HintTracker : public QObject {
    Q_OBJECT
public:
    // show(text) shows a status text; null clears it.
    explicit HintTracker(std::function<void(const char*)> show, QObject* parent = nullptr);

    bool Tracking() const { return tracking_; }
    void SetTracking(bool on) { tracking_ = on; }

    // The bar's top-level menus clear the hint when they close; pop-ups found
    // below them (also ones added later) are followed as they open.
    void WatchMenuBar(QMenuBar* bar);
    // A menu on its own (the root of a tree or a pop-up shown at the cursor).
    void WatchMenu(QMenu* menu, bool clearsOnClose);

    void ShowCommandHint(int commandId);
    void ActionHovered(QAction* action);
    void Clear();

protected:
    // The pointer leaving the menu bar with no menu open takes its hint along.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchSubMenus(QMenu* menu);

    std::function<void(const char*)> show_;
    bool tracking_ = false;
    QSet<QMenu*> watched_;
};

}  // namespace frame
