#pragma once

#include "store/settings.h"

#include <QDialog>

class QLineEdit;

namespace obzorka::gui {

// The account dialog "Form4": asks for the login name and password, stores them and hands
// them to its owner through accountSaved; "Někdy jindy" removes the stored account and lets
// the program run without downloading (postponed). The close box saves nothing.
class AccountDialog : public QDialog
{
    Q_OBJECT

public:
    AccountDialog(store::Settings& settings, const QString& accountPageUrl,
                  QWidget* parent = nullptr);

signals:
    void accountSaved(const obzorka::store::Account& account);
    void postponed();

private:
    void validateName();
    void save();
    void postpone();

    store::Settings& m_settings;
    QLineEdit* m_name;
    QLineEdit* m_password;
};

} // namespace obzorka::gui
