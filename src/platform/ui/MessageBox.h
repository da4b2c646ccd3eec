#pragma once
// Message boxes and beeps. Every box and beep of the program goes through the
// installed MessageService: Qt's message box and the desktop beep in the
// program, a scripted answerer in tests.

#include <QString>

#include <cstdint>

class QWidget;

namespace platform {

// Style: buttons, icon and default button, or-ed together.
constexpr std::uint32_t MB_OK = 0x0000;
constexpr std::uint32_t MB_OKCANCEL = 0x0001;
constexpr std::uint32_t MB_YESNOCANCEL = 0x0003;
constexpr std::uint32_t MB_YESNO = 0x0004;
constexpr std::uint32_t MB_TYPEMASK = 0x000F;
constexpr std::uint32_t MB_ICONHAND = 0x0010;
constexpr std::uint32_t MB_ICONQUESTION = 0x0020;
constexpr std::uint32_t MB_ICONEXCLAMATION = 0x0030;
constexpr std::uint32_t MB_ICONASTERISK = 0x0040;
constexpr std::uint32_t MB_ICONMASK = 0x00F0;
constexpr std::uint32_t MB_DEFBUTTON1 = 0x0000;
constexpr std::uint32_t MB_DEFBUTTON2 = 0x0100;
constexpr std::uint32_t MB_DEFBUTTON3 = 0x0200;
constexpr std::uint32_t MB_DEFMASK = 0x0F00;

// The answer: the button that closed the box.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class MessageService {
public:
    virtual ~MessageService() = default;
    // type: 0xFFFFFFFF (simple beep), MB_OK or one of the icon styles.
    virtual void beep(std::uint32_t type) = 0;
    virtual int messageBox(QWidget* owner, const QString& text, const QString& caption, std::uint32_t style) = 0;
};

// The service in use. Installing null restores Qt's.
MessageService& CurrentMessageService();
void SetMessageService(MessageService* service);

void MessageBeep(std::uint32_t type);
int MessageBox(QWidget* owner, const QString& text, const QString& caption, std::uint32_t style);

}  // namespace platform
