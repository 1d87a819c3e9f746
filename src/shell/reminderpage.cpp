#include "shell/reminderpage.h"

#include "reminders/keywords.h"
#include "shell/guidestate.h"
#include "shell/reminderpanel.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace obzorka {

ReminderPage::ReminderPage(ReminderPanel& panel, Store& store, Settings& settings,
                           GuideState& state, Tell tell, ChooseFile chooseFile)
    : m_panel(panel), m_store(store), m_settings(settings), m_state(state),
      m_tell(std::move(tell)), m_chooseFile(std::move(chooseFile))
{
    connect(panel.leadMinutes(), &QLineEdit::editingFinished, this,
            &ReminderPage::leadMinutesLeft);
    for (int row = 0; row < panel.keywordRows().size(); ++row) {
        const ReminderPanel::KeywordRow& widgets = panel.keywordRows().at(row);
        const auto check = [this, row] { keywordLeft(row); };
        connect(widgets.word, &QLineEdit::editingFinished, this, check);
        for (QCheckBox* box : {widgets.title, widgets.info, widgets.extended})
            connect(box, &QCheckBox::clicked, this, check);
    }
    connect(panel.setKeywords(), &QPushButton::clicked, this, &ReminderPage::saveKeywords);
    connect(panel.soundFile(), &QLineEdit::editingFinished, this,
            [this] { storeSoundFile(m_panel.soundFile()->text()); });
    connect(panel.changeSound(), &QPushButton::clicked, this, [this] {
        const QString chosen = m_chooseFile();
        if (!chosen.isEmpty())
            storeSoundFile(chosen);
        else
            nastavzvukoveupozorneni();
    });
}

void ReminderPage::loadLeadMinutes()
{
    m_state.upozornit_minutpredem = 5;
    m_panel.leadMinutes()->setText(
        m_settings.find(settingkeys::upozornitMinutPredem).value_or(QStringLiteral("5")));
}

void ReminderPage::loadKeywordRows()
{
    for (int row = 0; row < m_panel.keywordRows().size(); ++row) {
        const KeywordRule rule = m_settings.readKeywordRule(row + 1);
        const ReminderPanel::KeywordRow& widgets = m_panel.keywordRows().at(row);
        widgets.word->setText(rule.text);
        widgets.title->setChecked(rule.inTitle);
        widgets.info->setChecked(rule.inInfo);
        widgets.extended->setChecked(rule.inExtendedInfo);
    }
}

QList<KeywordRule> ReminderPage::rules() const
{
    QList<KeywordRule> rules;
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
    QString path = m_settings.read(settingkeys::zvukoveUpozorneni).trimmed();
    if (path.isEmpty()) {
        path = m_state.dataFolder + QStringLiteral("/wav/upozorni.wav");
        m_settings.write(settingkeys::zvukoveUpozorneni, path);
    }
    m_panel.soundFile()->setText(path);
}

int ReminderPage::leadMinutes() const
{
    return cleanLeadMinutes(m_panel.leadMinutes()->text()).value_or(m_state.upozornit_minutpredem);
}

QString ReminderPage::askForSoundFile(QWidget* parent)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Zvolte zvukový soubor pro upozornění na pořad"), QString(),
        QStringLiteral("Zvukový soubor WAV nebo MID (*.wav *.mid)"));
}

void ReminderPage::leadMinutesLeft()
{
    QLineEdit* minutes = m_panel.leadMinutes();
    const auto stored = m_settings.writeLeadMinutes(minutes->text());
    if (!stored) {
        minutes->setText(QStringLiteral("0")); // not a number: shown as 0, nothing stored
        return;
    }
    minutes->setText(QString::number(*stored));
    m_state.upozornit_minutpredem = *stored;
    emit scheduleChanged();
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
    const QList<KeywordRule> shown = rules();
    for (int row = 0; row < shown.size(); ++row)
        m_settings.writeKeywordRule(row + 1, shown.at(row));
    reminders::nastavautoupozorneni(m_store, shown);
    emit scheduleChanged();
}

void ReminderPage::storeSoundFile(const QString& path)
{
    m_settings.write(settingkeys::zvukoveUpozorneni, withoutQuotes(path));
    nastavzvukoveupozorneni();
}

} // namespace obzorka
