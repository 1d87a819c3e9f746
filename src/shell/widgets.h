#pragma once

#include <QComboBox>
#include <QString>

// Small helpers the panels share to make their controls.
namespace obzorka::widgets {

// The widget with its objectName, the control's name that tests and readers look for.
template <typename Widget> Widget* named(Widget* widget, const QString& objectName)
{
    widget->setObjectName(objectName);
    return widget;
}

// White marks the tab or page shown; the others keep the window's colour.
inline void highlight(QWidget* button, bool on)
{
    // A border of its own lets the style paint the background at all.
    button->setStyleSheet(on ? QStringLiteral("background-color: white; border: 1px solid #707070; "
                                              "border-radius: 2px; padding: 3px 8px;")
                             : QString());
}

inline QComboBox* chooser(const QString& objectName, QWidget* parent)
{
    auto* combo = named(new QComboBox(parent), objectName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

} // namespace obzorka::widgets
