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
    button->setStyleSheet(on ? QStringLiteral("background-color: white;") : QString());
}

inline QComboBox* chooser(const QString& objectName, QWidget* parent)
{
    auto* combo = named(new QComboBox(parent), objectName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

} // namespace obzorka::widgets
