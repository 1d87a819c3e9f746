#include "gui/guide/searchpanel.h"

#include "gui/main/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace obzorka::gui {

using widgets::chooser;
using widgets::named;

SearchPanel::SearchPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame7_1"));
    m_text = named(new QLineEdit(this), QStringLiteral("Text2"));
    m_day = chooser(QStringLiteral("Combo5"), this);
    m_type = chooser(QStringLiteral("Combo6"), this);
    m_group = chooser(QStringLiteral("Combo7"), this);
    m_titleOnly = named(new QCheckBox(QStringLiteral("Pouze v názvu pořadu"), this),
                        QStringLiteral("Check3"));
    m_markedOnly = named(new QCheckBox(QStringLiteral("Pouze pořady na upozornění"), this),
                         QStringLiteral("Check7"));
    auto* search =
        named(new QPushButton(QStringLiteral("&Hledej"), this), QStringLiteral("Command3"));
    m_print = named(new QPushButton(QStringLiteral("T&isk"), this), QStringLiteral("Command14"));
    m_pageArea = named(new QWidget(this), QStringLiteral("Frame4_1"));
    auto* area = new QVBoxLayout(m_pageArea);
    area->setContentsMargins(0, 0, 0, 0);

    connect(m_text, &QLineEdit::returnPressed, this, &SearchPanel::searchRequested);
    connect(search, &QPushButton::clicked, this, &SearchPanel::searchRequested);

    auto* criteria = new QHBoxLayout;
    criteria->addWidget(new QLabel(QStringLiteral("Vyhledat:"), this));
    criteria->addWidget(m_text, 1);
    criteria->addWidget(new QLabel(QStringLiteral("Datum:"), this));
    criteria->addWidget(m_day);
    criteria->addWidget(new QLabel(QStringLiteral("Typ pořadu:"), this));
    criteria->addWidget(m_type);
    criteria->addWidget(new QLabel(QStringLiteral("Stanice:"), this));
    criteria->addWidget(m_group);
    auto* options = new QHBoxLayout;
    options->addWidget(m_titleOnly);
    options->addWidget(m_markedOnly);
    options->addStretch();
    options->addWidget(search);
    options->addWidget(m_print);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(criteria);
    column->addLayout(options);
    column->addWidget(m_pageArea, 1);
}

pages::SearchQuery SearchPanel::query() const
{
    return {m_text->text(),
            m_type->currentText(),
            m_day->currentText(),
            m_group->currentText(),
            1,
            m_titleOnly->isChecked(),
            m_markedOnly->isChecked()};
}

} // namespace obzorka::gui
