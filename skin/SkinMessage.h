#pragma once

#include <QEvent>

#include <cstdint>

class QObject;

// The skin messages, numbered as the engine has always numbered them.
enum SkinMessageNumber : uint32_t {
    SKN_SETCACHEINVALID = 0xA501,
    SKN_SKINCHANGING = 0xA502,
    SKN_SKINREMOVED = 0xA503,
    SKN_GETPROVIDER = 0xA506,
    SKN_SKINCHANGED = 0xA507,
    SKN_GETCACHE = 0xA508,
    SKN_REPAINT = 0xA509,
    SKN_ISSKINNEDWINDOW = 0xA50C,
    SKN_ISDROPPEDDOWN = 0xA50D,
    SKN_SETSUSPENDED = 0xA50E,
    SKN_FREEZECACHE = 0xA50F,
    SKN_FADEDONE = 0xA510,
    SKN_ISSUSPENDED = 0xA511,
    SKN_ISPARTLYHIDDEN = 0xA512,
    SKN_SETLINK = 0xA513,
    SKN_CHECKTRANSPARENT = 0xA514,
    SKN_GETSECTIONINDEX = 0xA515,
};

// The range every skinned control hands to its skin data before anything else.
constexpr uint32_t kFirstSkinMessage = 0xA101;
constexpr uint32_t kLastSkinMessage = 0xA51E;
constexpr bool isSkinMessageNumber(uint32_t number)
{
    return number >= kFirstSkinMessage && number <= kLastSkinMessage;
}

// One skin message on its way to a receiver: its number, the two parameters and the
// result the receiver answers with. All skin messages share one event type.
class SkinMessage : public QEvent
{
public:
    explicit SkinMessage(uint32_t number, uintptr_t wParam = 0, intptr_t lParam = 0);

    static QEvent::Type eventType();
    // The event as a skin message, or null when it is some other event.
    static SkinMessage* from(QEvent* event);

    // Delivers a message synchronously and gives the receiver's result.
    static intptr_t send(QObject* receiver, uint32_t number, uintptr_t wParam = 0, intptr_t lParam = 0);

    uint32_t number() const { return m_number; }
    uintptr_t wParam() const { return m_wParam; }
    intptr_t lParam() const { return m_lParam; }
    intptr_t result() const { return m_result; }
    void setResult(intptr_t result) { m_result = result; }

private:
    uint32_t m_number;
    uintptr_t m_wParam;
    intptr_t m_lParam;
    intptr_t m_result = 0;
};
