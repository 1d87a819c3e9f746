#include "gui/main/fatalerror.h"

#include "store/store.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdlib>

namespace obzorka::gui {

void showCritical(const QString& message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Obzorka"), message);
}

void showInformation(const QString& message)
{
    QMessageBox::information(nullptr, QStringLiteral("Obzorka"), message);
}

void installFatalSqlHandler()
{
    store::Store::setFatalHandler([](const QString& message) {
        QCoreApplication* application = QCoreApplication::instance();
        if (application && QThread::currentThread() != application->thread())
            QMetaObject::invokeMethod(
                application, [message] { showCritical(message); }, Qt::BlockingQueuedConnection);
        else
            showCritical(message);
        std::exit(EXIT_FAILURE);
    });
}

} // namespace obzorka::gui
