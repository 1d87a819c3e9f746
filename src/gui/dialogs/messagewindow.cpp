#include "gui/dialogs/messagewindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace obzorka::gui {

MessageWindow::MessageWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Zpráva"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(420, 260);

    auto* heading = new QLabel(QStringLiteral("Zpráva"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addWidget(m_text, 1);
    column->addLayout(buttons);
}

MessageWindow* MessageWindow::napln(const QString& text)
{
    auto* window = new MessageWindow;
    window->m_text->setPlainText(text);
    window->show();
    return window;
}

} // namespace obzorka::gui
