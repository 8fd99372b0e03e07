#include "tests/common/testapp.h"

#include "libs/account/tokens/filetokenstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSettings>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QTimer>

TestApp::TestApp()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_directory.filePath(QStringLiteral("settings")));
    QSettings().clear();
    qputenv("PENNIBAR_DATA_DIR", m_directory.filePath(QStringLiteral("data")).toUtf8());
    restart();
}

TestApp::~TestApp()
{
    m_state.reset();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

void TestApp::restart()
{
    m_state.reset();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    m_state =
        std::make_unique<AppState>(std::make_unique<TovAccount::FileTokenStore>(tokenStorePath()));
    m_ready = m_state->initialize();
}

QString TestApp::tokenStorePath() const
{
    return m_directory.filePath(QStringLiteral("tokens/tokens.json"));
}

void whenModalOpens(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

void answerNextMessageBox(QMessageBox::StandardButton button, QString* text)
{
    whenModalOpens([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        if (text)
            *text = box->text();
        if (QAbstractButton* target = box->button(button))
            target->click();
        else
            box->close();
    });
}
