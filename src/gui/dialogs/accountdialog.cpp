#include "gui/dialogs/accountdialog.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace obzorka::gui {
namespace {

QLabel* label(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(objectName);
    return created;
}

} // namespace

AccountDialog::AccountDialog(store::Settings& settings, const QString& accountPageUrl,
                             QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Přihlášení k Obzorka"));

    auto* heading = label(QStringLiteral("Label3"), QStringLiteral("Prosím vyplňte"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Text2"));
    m_password->setEchoMode(QLineEdit::Password);

    auto* linkCaption = label(QStringLiteral("Label4"),
                              QStringLiteral("Nemáte-li ještě účet, založíte si ho"), this);
    auto* link = label(QStringLiteral("Label5"),
                       QStringLiteral("<a href=\"%1\" style=\"color: blue;\">ZDE</a>")
                           .arg(accountPageUrl.toHtmlEscaped()),
                       this);
    link->setTextFormat(Qt::RichText);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &QLabel::linkActivated, this,
            [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
    auto* decoration = label(QStringLiteral("Label6"), QStringLiteral("Obzorka"), this);
    decoration->setStyleSheet(
        QStringLiteral("color: #000050; font-size: 18pt; font-weight: bold;"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    auto* later = new QPushButton(QStringLiteral("Někdy jindy"), this);
    later->setObjectName(QStringLiteral("Command2"));
    later->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(decoration, 0, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(heading, 1, 0, 1, 2);
    grid->addWidget(label(QStringLiteral("Label1"), QStringLiteral("Přístupové jméno:"), this), 2,
                    0);
    grid->addWidget(m_name, 2, 1);
    grid->addWidget(label(QStringLiteral("Label2"), QStringLiteral("Přístupové heslo:"), this), 3,
                    0);
    grid->addWidget(m_password, 3, 1);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(linkCaption);
    linkRow->addWidget(link);
    linkRow->addStretch();
    grid->addLayout(linkRow, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(later);
    grid->addLayout(buttons, 5, 0, 1, 2);

    const store::Account stored = m_settings.readAccount();
    m_name->setText(stored.name);
    m_password->setText(stored.password);

    connect(m_name, &QLineEdit::editingFinished, this, &AccountDialog::validateName);
    connect(ok, &QPushButton::clicked, this, &AccountDialog::save);
    connect(later, &QPushButton::clicked, this, &AccountDialog::postpone);
}

void AccountDialog::validateName()
{
    const QString cleaned = store::withoutQuotes(m_name->text());
    if (cleaned != m_name->text())
        m_name->setText(cleaned);
}

void AccountDialog::save()
{
    validateName();
    emit accountSaved(m_settings.writeAccount(m_name->text(), m_password->text()));
    accept();
}

void AccountDialog::postpone()
{
    m_settings.removeAccount();
    emit postponed();
    accept();
}

} // namespace obzorka::gui
