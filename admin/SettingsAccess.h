#pragma once

// How a teacher reaches the settings window: the settings password first.
namespace SettingsAccess {

// Asks for the password in a password input box; on a match shows the settings window,
// otherwise says "Неправильный пароль!". Cancel does nothing.
void open();

} // namespace SettingsAccess
