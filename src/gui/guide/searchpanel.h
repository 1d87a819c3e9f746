#pragma once

#include "pages/generhtml.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace obzorka::gui {

// The panel "Vyhledat" (Frame7_1): the search text and its filters, "Hledej", the print
// button and the page area. Enter in the text box searches as "Hledej" does.
class SearchPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SearchPanel(QWidget* parent = nullptr);

    // The search as the controls stand, from the first row.
    pages::SearchQuery query() const;

    QComboBox* day() const { return m_day; }
    QComboBox* type() const { return m_type; }
    QComboBox* group() const { return m_group; }
    QPushButton* printButton() const { return m_print; }
    QWidget* pageArea() const { return m_pageArea; }

signals:
    void searchRequested();

private:
    QLineEdit* m_text;
    QComboBox* m_day;
    QComboBox* m_type;
    QComboBox* m_group;
    QCheckBox* m_titleOnly;
    QCheckBox* m_markedOnly;
    QPushButton* m_print;
    QWidget* m_pageArea;
};

} // namespace obzorka::gui
