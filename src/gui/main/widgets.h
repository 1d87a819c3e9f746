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

// White marks the tab or page shown; the others keep the window's colour. Every button of a
// row gets the same frame (the style paints a background only with a border of its own), so
// nothing moves when the highlight does; small buttons get no padding.
inline void highlight(QWidget* button, bool on, bool small = false)
{
    button->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid #707070; border-radius: 2px; "
                       "padding: %2;")
            .arg(on ? QStringLiteral("white") : QStringLiteral("palette(button)"),
                 small ? QStringLiteral("0px") : QStringLiteral("3px 8px")));
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
