#pragma once

#include "gui/dialogs/accountdialog.h"
#include "gui/guide/guidecontroller.h"
#include "gui/guide/pane.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "gui/main/tray.h"
#include "store/clock.h"
#include "support/teststore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace obzorka::test {

// The guide on a data folder whose store holds the account eva/heslo, keeping the messages it
// would show: those that end the program in `messages`, the others in `information`. Every
// window still open is closed and the clock released after each test.
class GuideTest : public ::testing::Test
{
protected:
    void SetUp() override { throwOnSqlError(); }
    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        guide.reset();
        store::Clock::release();
    }
    // Writes the account, and whatever `fill` adds, into the store before the guide opens it.
    void prepare(const std::function<void(store::Store&)>& fill = {})
    {
        store::Store store;
        ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
        store::Settings(store).writeAccount("eva", "heslo");
        if (fill)
            fill(store);
    }
    // A guide on the folder pointed at `server`; the default one never answers.
    std::unique_ptr<gui::Application> application(const QString& server = "127.0.0.1:9")
    {
        app::Options options;
        options.dataFolder = folder.path();
        options.server = options.imageServer = server;
        return std::make_unique<gui::Application>(
            options, [this](const QString& m) { messages << m; },
            [this](const QString& m) { information << m; });
    }
    void start(const QString& server = "127.0.0.1:9")
    {
        guide = application(server);
        startMade();
    }
    // Starts the guide already made, and waits for what starts behind its first frame.
    void startMade()
    {
        ASSERT_TRUE(guide->start());
        ASSERT_TRUE(QTest::qWaitFor([this] { return guide->backgroundRunning(); }));
    }
    template <typename T = QWidget> T* child(const QString& name)
    {
        T* found = guide->mainWindow()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void click(const QString& name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    // A setting as stored, "(none)" when it is not.
    QString setting(const QString& key)
    {
        return store::Settings(guide->store()).find(key).value_or("(none)");
    }
    // The column v of the first row a statement gives.
    QString value(const QString& sql, const QVariantList& params = {})
    {
        return guide->store().provedsql(sql, params).front().text(u"v");
    }
    // The visible top-level windows of a kind.
    template <typename Window> static QList<Window*> shown()
    {
        QList<Window*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
                found << window;
        return found;
    }

    QTemporaryDir folder;
    QStringList messages;
    QStringList information;
    std::unique_ptr<gui::Application> guide;
};

} // namespace obzorka::test
