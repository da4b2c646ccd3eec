#pragma once
// Records every beep and message box and answers boxes from a script; with the
// script empty a box answers its default button. Installed for its lifetime.

#include "platform/ui/MessageBox.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedMessageBoxes : public platform::MessageService {
public:
    struct Box {
        QWidget* owner;
        QString text;
        QString caption;
        std::uint32_t style;
    };

    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void answer(int id) { answers_.push_back(id); }
    // What happens while the next box is open (a song ends, a timer runs), before it is answered.
    void whileOpen(std::function<void()> events) { whileOpen_ = std::move(events); }

    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<std::uint32_t>& beeps() const { return beeps_; }
    // Beeps and boxes in the order they came: 'B' beep, 'M' box.
    const std::vector<char>& order() const { return order_; }
    void clear();

    void beep(std::uint32_t type) override;
    int messageBox(QWidget* owner, const QString& text, const QString& caption, std::uint32_t style) override;

    // The button a box of this style answers when nobody presses another.
    static int defaultAnswer(std::uint32_t style);

private:
    std::deque<int> answers_;
    std::function<void()> whileOpen_;
    std::vector<Box> boxes_;
    std::vector<std::uint32_t> beeps_;
    std::vector<char> order_;
    platform::MessageService* previous_;
};
