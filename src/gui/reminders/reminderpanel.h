#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace obzorka::gui {

// The settings page "Upozorňování na pořady" (Frame1): the lead minutes, the sound file and
// the ten keyword rows with "Nastavit". Controls only; ReminderPage gives them their meaning.
class ReminderPanel : public QWidget
{
    Q_OBJECT

public:
    // One keyword row: the word and where it is searched.
    struct KeywordRow
    {
        QLineEdit* word;     // Text3(i)
        QCheckBox* title;    // Check4(i), "v názvu"
        QCheckBox* info;     // Check5(i), "v informacích"
        QCheckBox* extended; // Check6(i), "v rozšířených informacích"
    };

    explicit ReminderPanel(QWidget* parent = nullptr);

    QLineEdit* leadMinutes() const { return m_leadMinutes; }
    QLineEdit* soundFile() const { return m_soundFile; }
    QPushButton* changeSound() const { return m_changeSound; }
    QPushButton* setKeywords() const { return m_setKeywords; }
    // Rows 1 to 10 at indexes 0 to 9.
    const QList<KeywordRow>& keywordRows() const { return m_rows; }

private:
    QLineEdit* m_leadMinutes;
    QLineEdit* m_soundFile;
    QPushButton* m_changeSound;
    QPushButton* m_setKeywords;
    QList<KeywordRow> m_rows;
};

} // namespace obzorka::gui
