#pragma once

#include <QComboBox>
#include <QString>
#include <QTextDocument>

// Small helpers the panels share to make their controls.
namespace obzorka::gui::widgets {

// The widget with its objectName, the control's name that tests and readers look for.
template <typename Widget> Widget* named(Widget* widget, const QString& objectName)
{
    widget->setObjectName(objectName);
    return widget;
}

// A text from outside (a station name, say) as a tool tip: Qt would show one that looks like
// markup as rich text; this one always reads as plain text. An empty text stays empty.
inline QString plainToolTip(const QString& text)
{
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap);
}

// A text from outside as a button caption: "&" shows as itself, not as a shortcut mark.
inline QString plainCaption(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

inline QComboBox* chooser(const QString& objectName, QWidget* parent)
{
    auto* combo = named(new QComboBox(parent), objectName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

} // namespace obzorka::gui::widgets
