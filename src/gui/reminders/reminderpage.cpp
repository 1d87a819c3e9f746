#include "gui/reminders/reminderpage.h"

#include "app/guidestate.h"
#include "gui/reminders/reminderpanel.h"
#include "reminders/alert.h"
#include "reminders/keywords.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace obzorka::gui {
namespace {

// Why the alert could not play this file; empty when it can.
QString soundProblem(const QString& path)
{
    // Stored paths lose their quotes, so such a path would name another file.
    if (store::withoutQuotes(path) != path)
        return QStringLiteral("cesta nesmí obsahovat apostrof ani uvozovky");
    return reminders::soundFileProblem(path);
}

} // namespace

ReminderPage::ReminderPage(ReminderPanel& panel, store::Store& store, store::Settings& settings,
                           app::GuideState& state, Tell tell, ChooseFile chooseFile)
    : m_panel(panel), m_store(store), m_settings(settings), m_state(state), m_tell(std::move(tell)),
      m_chooseFile(std::move(chooseFile))
{
    connect(panel.leadMinutes(), &QLineEdit::editingFinished, this, &ReminderPage::leadMinutesLeft);
    for (int row = 0; row < panel.keywordRows().size(); ++row) {
        const ReminderPanel::KeywordRow& widgets = panel.keywordRows().at(row);
        const auto check = [this, row] { keywordLeft(row); };
        connect(widgets.word, &QLineEdit::editingFinished, this, check);
        for (QCheckBox* box : {widgets.title, widgets.info, widgets.extended})
            connect(box, &QCheckBox::clicked, this, check);
    }
    connect(panel.setKeywords(), &QPushButton::clicked, this, &ReminderPage::saveKeywords);
    connect(panel.soundFile(), &QLineEdit::editingFinished, this, &ReminderPage::soundFileLeft);
    connect(panel.changeSound(), &QPushButton::clicked, this, [this] {
        if (const QString chosen = m_chooseFile(); !chosen.isEmpty())
            useSoundFile(chosen);
        nastavzvukoveupozorneni();
    });
}

void ReminderPage::loadLeadMinutes()
{
    showLeadMinutes(m_settings.readLeadMinutes());
}

void ReminderPage::loadKeywordRows()
{
    for (int row = 0; row < m_panel.keywordRows().size(); ++row) {
        const store::KeywordRule rule = m_settings.readKeywordRule(row + 1);
        const ReminderPanel::KeywordRow& widgets = m_panel.keywordRows().at(row);
        widgets.word->setText(rule.text);
        widgets.title->setChecked(rule.inTitle);
        widgets.info->setChecked(rule.inInfo);
        widgets.extended->setChecked(rule.inExtendedInfo);
    }
}

QList<store::KeywordRule> ReminderPage::rules() const
{
    QList<store::KeywordRule> rules;
    for (const ReminderPanel::KeywordRow& widgets : m_panel.keywordRows())
        rules.append({widgets.word->text(), widgets.title->isChecked(), widgets.info->isChecked(),
                      widgets.extended->isChecked()});
    return rules;
}

void ReminderPage::nastavautoupozorneni()
{
    reminders::nastavautoupozorneni(m_store, rules());
}

void ReminderPage::nastavzvukoveupozorneni()
{
    QString path = m_settings.read(store::settingkeys::zvukoveUpozorneni).trimmed();
    if (path.isEmpty()) {
        path = m_state.dataFolder + QStringLiteral("/wav/upozorni.wav");
        m_settings.write(store::settingkeys::zvukoveUpozorneni, path);
    }
    m_panel.soundFile()->setText(path);
}

int ReminderPage::leadMinutes() const
{
    return store::cleanLeadMinutes(m_panel.leadMinutes()->text())
        .value_or(m_state.upozornit_minutpredem);
}

QString ReminderPage::askForSoundFile(QWidget* parent)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Zvolte zvukový soubor pro upozornění na pořad"), QString(),
        QStringLiteral("Zvukový soubor WAV (*.wav)"));
}

void ReminderPage::leadMinutesLeft()
{
    const auto stored = m_settings.writeLeadMinutes(m_panel.leadMinutes()->text());
    // Not a number: the stored lead comes back, so the box never shows what is not used.
    showLeadMinutes(stored.value_or(m_settings.readLeadMinutes()));
    if (stored)
        emit scheduleChanged();
}

void ReminderPage::showLeadMinutes(int minutes)
{
    m_panel.leadMinutes()->setText(QString::number(minutes));
    m_state.upozornit_minutpredem = minutes;
}

void ReminderPage::keywordLeft(int row)
{
    if (!m_panel.window()->isVisible())
        return;
    QLineEdit* word = m_panel.keywordRows().at(row).word;
    const reminders::CleanedKeyword cleaned = reminders::cleanKeyword(word->text());
    word->setText(cleaned.text);
    if (cleaned.tooShort)
        m_tell(QStringLiteral("Slovo musí mít alespoň 4 znaky!"));
}

void ReminderPage::saveKeywords()
{
    const QList<store::KeywordRule> shown = rules();
    for (int row = 0; row < shown.size(); ++row)
        m_settings.writeKeywordRule(row + 1, shown.at(row));
    reminders::nastavautoupozorneni(m_store, shown);
    emit scheduleChanged();
}

void ReminderPage::soundFileLeft()
{
    const QString typed = m_panel.soundFile()->text().trimmed();
    if (typed.isEmpty())
        m_settings.remove(store::settingkeys::zvukoveUpozorneni); // the installed chime comes back
    else if (typed != m_settings.read(store::settingkeys::zvukoveUpozorneni))
        useSoundFile(typed); // passing through the box does not check the stored file again
    nastavzvukoveupozorneni();
}

// Stores the file only when the alert can play it; otherwise says why and keeps the old one.
void ReminderPage::useSoundFile(const QString& path)
{
    if (const QString problem = soundProblem(path); !problem.isEmpty())
        m_tell(QStringLiteral("Soubor „%1“ nelze použít: %2.").arg(path, problem));
    else
        m_settings.write(store::settingkeys::zvukoveUpozorneni, path);
}

} // namespace obzorka::gui
