#include "gui/guide/classicpanel.h"

#include "gui/guide/pane.h"
#include "gui/main/framebutton.h"
#include "gui/main/widgets.h"
#include "pages/generhtml.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace obzorka::gui {

using widgets::chooser;
using widgets::named;

namespace {

// The page buttons lie in three rows of eight, each 25 by 17 pixels.
constexpr int pageButtonWidth = 25;
constexpr int pageButtonHeight = 17;

} // namespace

ClassicPanel::ClassicPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame7_0"));
    m_day = chooser(QStringLiteral("Combo1"), this);
    m_from = chooser(QStringLiteral("Combo2"), this);
    m_to = chooser(QStringLiteral("Combo3"), this);
    m_type = chooser(QStringLiteral("Combo4"), this);
    m_dateLine = named(new QLabel(QStringLiteral("Dnes je"), this), QStringLiteral("Label9"));
    m_dateLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_print = named(new QPushButton(QStringLiteral("T&isk"), this), QStringLiteral("Command7"));
    // Hidden while a detail page shows; the choosers beside it must not move meanwhile.
    QSizePolicy keepsPlace = m_print->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    m_print->setSizePolicy(keepsPlace);

    auto* pages = named(new QWidget(this), QStringLiteral("PageButtons"));
    pages->setFixedSize(8 * pageButtonWidth, 3 * pageButtonHeight);
    for (int k = 1; k <= pageButtonCount; ++k) {
        auto* button = named(new FrameButton(QString::number(k), FrameButton::Padding::None, pages),
                             QStringLiteral("Command1_%1").arg(k));
        button->setGeometry(((k - 1) % 8) * pageButtonWidth, ((k - 1) / 8) * pageButtonHeight,
                            pageButtonWidth, pageButtonHeight);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, k] { emit pageButtonClicked(k); });
        m_pageButtons.append(button);
    }

    m_header = new Pane(QStringLiteral("WebBrowser2"), this);
    m_header->setAccessibleName(QStringLiteral("Stanice na stránce"));
    m_header->setFixedHeight(44);
    m_header->showPage(pages::generzprava(QString()));
    m_header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageArea = named(new QWidget(this), QStringLiteral("Frame4_0"));
    auto* area = new QVBoxLayout(m_pageArea);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(0);
    area->addWidget(m_header);

    auto* choosers = new QHBoxLayout;
    choosers->addWidget(m_day);
    choosers->addWidget(new QLabel(QStringLiteral("Od:"), this));
    choosers->addWidget(m_from);
    choosers->addWidget(new QLabel(QStringLiteral("Do:"), this));
    choosers->addWidget(m_to);
    choosers->addSpacing(12);
    choosers->addWidget(pages);
    choosers->addStretch();
    choosers->addWidget(
        named(new QLabel(QStringLiteral("Typ pořadu:"), this), QStringLiteral("Label5")));
    choosers->addWidget(m_type);
    choosers->addWidget(m_print);
    choosers->addWidget(m_dateLine);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(choosers);
    column->addWidget(m_pageArea, 1);
}

} // namespace obzorka::gui
