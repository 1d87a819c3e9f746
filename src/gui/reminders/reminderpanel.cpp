#include "gui/reminders/reminderpanel.h"

#include "gui/main/widgets.h"
#include "reminders/keywords.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace obzorka::gui {

using widgets::named;

namespace {

QLabel* heading(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = named(new QLabel(text, parent), name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* text(const QString& content, const QString& name, QWidget* parent)
{
    auto* label = named(new QLabel(content, parent), name);
    label->setWordWrap(true);
    return label;
}

} // namespace

ReminderPanel::ReminderPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    m_leadMinutes = named(new QLineEdit(this), QStringLiteral("Text1"));
    m_leadMinutes->setMaximumWidth(60);
    auto* minutes = new QHBoxLayout;
    minutes->addWidget(m_leadMinutes);
    minutes->addWidget(text(QStringLiteral("minut předem."), QStringLiteral("Label8"), this));
    minutes->addStretch();

    m_soundFile = named(new QLineEdit(this), QStringLiteral("Text4"));
    m_changeSound =
        named(new QPushButton(QStringLiteral("Změnit..."), this), QStringLiteral("Command4"));
    auto* sound = new QHBoxLayout;
    sound->addWidget(m_soundFile, 1);
    sound->addWidget(m_changeSound);

    auto* rows = new QGridLayout;
    const QStringList headings{QStringLiteral("Hledaný text"), QStringLiteral("v názvu"),
                               QStringLiteral("v informacích"),
                               QStringLiteral("v rozšířených informacích")};
    for (int column = 0; column < headings.size(); ++column)
        rows->addWidget(text(headings.at(column), QStringLiteral("Label%1").arg(16 + column), this),
                        0, column, column == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
    for (int i = 1; i <= reminders::keywordRowCount; ++i) {
        const auto box = [this, i](int array) {
            return named(new QCheckBox(this), QStringLiteral("Check%1_%2").arg(array).arg(i));
        };
        const KeywordRow row{named(new QLineEdit(this), QStringLiteral("Text3_%1").arg(i)), box(4),
                             box(5), box(6)};
        rows->addWidget(row.word, i, 0);
        rows->addWidget(row.title, i, 1, Qt::AlignHCenter);
        rows->addWidget(row.info, i, 2, Qt::AlignHCenter);
        rows->addWidget(row.extended, i, 3, Qt::AlignHCenter);
        m_rows << row;
    }
    rows->setColumnStretch(0, 1);
    m_setKeywords =
        named(new QPushButton(QStringLiteral("Nastavit"), this), QStringLiteral("Command11"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(
        heading(QStringLiteral("Upozornit na vybraný pořad"), QStringLiteral("Label7"), this));
    column->addWidget(text(QStringLiteral("Zde si můžete nastavit kolik minut před pořadem budete "
                                          "upozorněni."),
                           QStringLiteral("Label6"), this));
    column->addLayout(minutes);
    column->addWidget(text(QStringLiteral("Zde si můžete nastavit Váš vlastní zvukový záznam pro "
                                          "upozornění na pořad."),
                           QStringLiteral("Label13"), this));
    column->addLayout(sound);
    column->addSpacing(8);
    column->addWidget(heading(QStringLiteral("Pravidelné upozorňování na pořady."),
                              QStringLiteral("Label20"), this));
    column->addLayout(rows);
    column->addWidget(m_setKeywords, 0, Qt::AlignLeft);
    column->addStretch();
}

} // namespace obzorka::gui
