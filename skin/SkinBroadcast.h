#pragma once

#include <cstdint>

class QWidget;

// Delivery of one skin message to whole forms. Each receiver gets its own message, at once;
// an error raised by a receiver is dropped and the others still get theirs.
namespace SkinBroadcast {

// Every form of the application in the order the forms were created, and everything on it.
void toAllForms(uint32_t number, uintptr_t wParam, intptr_t lParam);

// One form: SKN_SKINCHANGED goes to the form itself first; then every object the form holds,
// depth first in child order (windows of their own are left to their own turn). A form
// skin provider hears SKN_SKINCHANGED through its form and so is not sent it again.
// A form that is being destroyed hears nothing.
void toForm(QWidget* form, uint32_t number, uintptr_t wParam, intptr_t lParam);

} // namespace SkinBroadcast
