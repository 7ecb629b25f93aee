#pragma once

#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QString>
#include <QtCore/QTemporaryDir>
#include <QtNetwork/QNetworkAccessManager>

// A headless Chromium driven through chromedriver over W3C WebDriver: one
// browser session for the life of the object. Every call waits for its
// answer; on a failure errorString() says what went wrong.
class WebDriver
{
public:
    WebDriver(const QString &chromedriver, const QString &chromium);
    ~WebDriver();
    WebDriver(const WebDriver &) = delete;
    WebDriver &operator=(const WebDriver &) = delete;

    bool start();
    QString errorString() const { return m_error; }

    bool open(const QString &url);
    // Runs 'script' as a function body in the page; its return value.
    QJsonValue execute(const QString &script, const QJsonArray &arguments = {});
    // The element of a CSS selector, as WebDriver references it.
    QJsonObject element(const QString &selector);
    // A real pointer move, to 'offset' from the centre of 'element'.
    bool movePointer(const QJsonObject &element, int x = 0, int y = 0);
    // The browser's console and network messages since the last call.
    QJsonArray browserLog();

private:
    QJsonValue command(const QByteArray &method, const QString &path, const QJsonObject &body = {});

    QString m_chromedriver;
    QString m_chromium;
    QProcess m_driver;
    QTemporaryDir m_profile;
    QNetworkAccessManager m_network;
    QString m_base;
    QString m_session;
    QString m_error;
};
