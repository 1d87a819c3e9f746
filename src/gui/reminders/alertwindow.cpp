#include "gui/reminders/alertwindow.h"

#include "gui/main/widgets.h"
#include "reminders/alert.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QTimer>
#include <QVBoxLayout>

namespace obzorka::gui {
namespace {

constexpr int armDelayMs = 5000;
constexpr int repeatMs = 60000;
// How far each further open alert sits from the one before, so that all of them show.
constexpr QPoint stackStep(30, 30);

QTimer* stoppedTimer(const QString& name, int interval, bool singleShot, QObject* parent)
{
    auto* timer = widgets::named(new QTimer(parent), name);
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
}

} // namespace

AlertWindow::AlertWindow(store::Store& store, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store)
{
    using widgets::named;
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Upozornění na pořad"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(380, 240);

    auto* heading =
        named(new QLabel(QStringLiteral("Upozornění na pořad"), this), QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    heading->setFont(bold);

    auto* fields = new QGridLayout;
    const auto addField = [&](const QString& captionName, const QString& caption,
                              const QString& valueName) {
        const int row = fields->rowCount();
        fields->addWidget(named(new QLabel(caption, this), captionName), row, 0,
                          Qt::AlignTop | Qt::AlignRight);
        auto* value = named(new QLabel(valueName, this), valueName);
        value->setWordWrap(true);
        value->setTextFormat(Qt::PlainText); // titles and station names come from the server
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        fields->addWidget(value, row, 1);
        return value;
    };
    m_title =
        addField(QStringLiteral("Label2"), QStringLiteral("Název:"), QStringLiteral("Label3"));
    m_start = addField(QStringLiteral("Label7"), QStringLiteral("Začátek pořadu:"),
                       QStringLiteral("Label4"));
    m_end = addField(QStringLiteral("Label6"), QStringLiteral("Konec pořadu:"),
                     QStringLiteral("Label5"));
    m_day = addField(QStringLiteral("Label9"), QStringLiteral("Datum vysílání:"),
                     QStringLiteral("Label8"));
    m_station =
        addField(QStringLiteral("Label10"), QStringLiteral("Stanice:"), QStringLiteral("Label11"));
    fields->setColumnStretch(1, 1);
    QFont boldTitle = m_title->font();
    boldTitle.setBold(true);
    m_title->setFont(boldTitle);

    m_acknowledge =
        named(new QPushButton(QStringLiteral("&Beru na vědomí"), this), QStringLiteral("Command1"));
    auto* later = named(new QPushButton(QStringLiteral("&Zobraz za 1 min."), this),
                        QStringLiteral("Command2"));
    later->setToolTip(QStringLiteral("Toto okno se zobrazí znovu za 1 minutu"));

    m_armDelay = stoppedTimer(QStringLiteral("Timer1"), armDelayMs, true, this);
    m_repeat = stoppedTimer(QStringLiteral("Timer2"), repeatMs, false, this);
    m_sound = new QSoundEffect(this);

    connect(m_acknowledge, &QPushButton::clicked, this, &QWidget::close);
    connect(later, &QPushButton::clicked, this, [this] {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        hide();
        m_repeat->start();
    });
    connect(m_armDelay, &QTimer::timeout, this, &AlertWindow::armAcknowledge);
    connect(m_repeat, &QTimer::timeout, this, &AlertWindow::comeBack);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_acknowledge);
    buttons->addWidget(later);
    auto* column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addLayout(fields);
    column->addStretch();
    column->addLayout(buttons);
}

void AlertWindow::napln(qint64 id)
{
    if (m_title->text() != QLatin1String("Label3"))
        return;
    const reminders::AlertTexts texts = reminders::takeAlert(m_store, QString::number(id));
    m_title->setText(texts.title);
    m_start->setText(texts.start);
    m_end->setText(texts.end);
    m_day->setText(texts.day);
    m_station->setText(texts.station);
    placeBesideOpenAlerts();
    showOnTop();
    emit filled();
}

void AlertWindow::armAcknowledge()
{
    m_armDelay->stop();
    m_acknowledge->setEnabled(true);
    setEnterPresses(true);
}

// Tab reaches both buttons; once the alert is armed, Enter presses the one with the focus. Not
// before: an Enter typed into another window as the alert comes up must not put it off.
void AlertWindow::setEnterPresses(bool on)
{
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(on);
}

void AlertWindow::comeBack()
{
    showOnTop();
}

void AlertWindow::closeEvent(QCloseEvent* event)
{
    // An acknowledged alert does not come back.
    m_repeat->stop();
    QWidget::closeEvent(event);
}

void AlertWindow::showOnTop()
{
    m_acknowledge->setEnabled(false);
    setEnterPresses(false);
    m_armDelay->start();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
    raise();
    activateWindow();
    playSound();
}

// The chime plays on its own: a file that is missing or not a whole wave sound, or a
// machine without sound, leaves the alert silent and otherwise as it is.
void AlertWindow::playSound()
{
    const QString path = reminders::alertSound(m_store);
    if (!reminders::isWholeWave(path))
        return;
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_sound->source() != source)
        m_sound->setSource(source);
    m_sound->play();
}

// Starts near the middle of the screen and steps past every alert still open there.
void AlertWindow::placeBesideOpenAlerts()
{
    QPoint place = QApplication::primaryScreen()->availableGeometry().center() - rect().center();
    const auto taken = [this](QPoint point) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [this, point](QWidget* window) {
            const auto* other = qobject_cast<AlertWindow*>(window);
            return other && other != this && other->isPending() && other->pos() == point;
        });
    };
    while (taken(place))
        place += stackStep;
    move(place);
}

// Shown, or put off and coming back.
bool AlertWindow::isPending() const
{
    return isVisible() || m_repeat->isActive();
}

} // namespace obzorka::gui
