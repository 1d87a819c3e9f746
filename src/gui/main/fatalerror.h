#pragma once

#include <QString>

namespace obzorka::gui {

// Shows a message that ends the program, with the critical-error icon.
void showCritical(const QString& message);
// Shows a message for the user's information.
void showInformation(const QString& message);

// Makes a failing statement show its message and end the program. From a thread other than
// the window's, the message is handed to the window's thread and that thread waits for it.
void installFatalSqlHandler();

} // namespace obzorka::gui
