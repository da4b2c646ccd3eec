#pragma once
// The frame's system menu. The desktop's window menu cannot be extended here, so
// the program's items live in a pop-up of our own that Alt+Space opens at the
// frame's top-left corner. A chosen item goes to the handler as a system command.

#include <QObject>

#include <functional>

#include "player/IMenuState.h"

class QWidget;

namespace frame {

class SystemMenuPopup : public QObject, public player::ISystemMenu {
    Q_OBJECT
public:
    SystemMenuPopup(QWidget* frame, std::function<void(int)> onCommand);
    ~SystemMenuPopup() override;

    bool IsChecked(int commandId) const override;
    void SetChecked(int commandId, bool checked) override;
    void SetEnabled(int commandId, bool enabled) override;
    QMenu* RootMenu() const override { return menu_; }
    void RemoveMaximize() override;
    void AppendSeparator() override;
    void AppendItem(int commandId, const std::string& text) override;

    // Removes the item and the separator just before it; false when there is no such item.
    bool RemoveItemWithSeparator(int commandId);
    bool HasItem(int commandId) const;

    void Popup();

private:
    QWidget* frame_;
    QMenu* menu_;
};

}  // namespace frame
