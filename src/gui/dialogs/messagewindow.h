#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace obzorka::gui {

// The message window "Form5" ("Zpráva"): one text, an "OK" that closes it. Each message gets
// a window of its own, which deletes itself when closed, so several can be open at once.
class MessageWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MessageWindow(QWidget* parent = nullptr);

    // Shows the text in a new window.
    static MessageWindow* napln(const QString& text);

private:
    QPlainTextEdit* m_text;
};

} // namespace obzorka::gui
