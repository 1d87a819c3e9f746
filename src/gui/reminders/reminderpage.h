#pragma once

#include "store/settings.h"

#include <QObject>
#include <functional>

namespace obzorka::app {
struct GuideState;
} // namespace obzorka::app

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::gui {

class ReminderPanel;

// What the reminder settings page does: the lead minutes, the sound file and the keyword rows
// are loaded from the settings, checked as the user leaves them and stored; "Nastavit" stores
// the rows and marks the matching programmes anew.
class ReminderPage : public QObject
{
    Q_OBJECT

public:
    using Tell = std::function<void(const QString& message)>;
    using ChooseFile = std::function<QString()>;

    // tell shows a message with an OK button; chooseFile asks for a sound file (empty when the
    // user cancels).
    ReminderPage(ReminderPanel& panel, store::Store& store, store::Settings& settings,
                 app::GuideState& state, Tell tell, ChooseFile chooseFile);

    // The minutes box: "5" unless a value is stored.
    void loadLeadMinutes();
    // The ten keyword rows from their settings.
    void loadKeywordRows();
    // The rows as they stand in the boxes, saved or not.
    QList<store::KeywordRule> rules() const;
    // Marks the programmes that match the rows now shown.
    void nastavautoupozorneni();
    // Shows the stored sound file, storing the installed chime when none is stored.
    void nastavzvukoveupozorneni();
    // The lead the reminder check uses: the box's number, or the last one accepted while the
    // box holds something else.
    int leadMinutes() const;

    // A file dialog for the sound: its title and a filter of WAV files, the only ones played.
    static QString askForSoundFile(QWidget* parent);

signals:
    // The marks or the lead changed: the next reminder is to be found again.
    void scheduleChanged();

private:
    void leadMinutesLeft();
    void showLeadMinutes(int minutes);
    void keywordLeft(int row);
    void saveKeywords();
    void soundFileLeft();
    void useSoundFile(const QString& path);

    ReminderPanel& m_panel;
    store::Store& m_store;
    store::Settings& m_settings;
    app::GuideState& m_state;
    Tell m_tell;
    ChooseFile m_chooseFile;
};

} // namespace obzorka::gui
