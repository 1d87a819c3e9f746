#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace obzorka::gui {

class FrameButton;
class Pane;

// The panel "Klasické zobrazení" (Frame7_0): the day, time and type choosers, the date line,
// the 24 station page buttons, the print button and the page area with the header strip.
class ClassicPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int pageButtonCount = 24;

    explicit ClassicPanel(QWidget* parent = nullptr);

    QComboBox* day() const { return m_day; }
    QComboBox* from() const { return m_from; }
    QComboBox* to() const { return m_to; }
    QComboBox* type() const { return m_type; }
    QLabel* dateLine() const { return m_dateLine; }
    QPushButton* printButton() const { return m_print; }
    Pane* headerPane() const { return m_header; }
    QWidget* pageArea() const { return m_pageArea; }
    // Page button k, 1 to 24.
    FrameButton* pageButton(int k) const { return m_pageButtons.at(k - 1); }

signals:
    void pageButtonClicked(int k);

private:
    QComboBox* m_day;
    QComboBox* m_from;
    QComboBox* m_to;
    QComboBox* m_type;
    QLabel* m_dateLine;
    QPushButton* m_print;
    Pane* m_header;
    QWidget* m_pageArea;
    QList<FrameButton*> m_pageButtons;
};

} // namespace obzorka::gui
