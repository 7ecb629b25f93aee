#include "webdriver.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QJsonDocument>
#include <QtCore/QTimer>
#include <QtNetwork/QNetworkProxy>
#include <QtNetwork/QNetworkReply>
#include <QtNetwork/QTcpServer>
#include <QtTest/QTest>

WebDriver::WebDriver(const QString &chromedriver, const QString &chromium)
    : m_chromedriver(chromedriver)
    , m_chromium(chromium)
{
    // Only the local driver is ever asked, whatever proxy the machine names.
    m_network.setProxy(QNetworkProxy::NoProxy);
}

WebDriver::~WebDriver()
{
    if (!m_session.isEmpty())
        command("DELETE", QString());
    if (m_driver.state() != QProcess::NotRunning) {
        m_driver.terminate();
        if (!m_driver.waitForFinished(10000)) {
            m_driver.kill();
            m_driver.waitForFinished();
        }
    }
}

bool WebDriver::start()
{
    if (!m_profile.isValid()) {
        m_error = "no temporary folder for the browser profile";
        return false;
    }
    // A port no one listens on now; chromedriver takes it at once.
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) {
        m_error = "no free local port";
        return false;
    }
    const quint16 port = probe.serverPort();
    probe.close();

    m_driver.setProcessChannelMode(QProcess::MergedChannels);
    m_driver.setStandardOutputFile(m_profile.filePath("chromedriver.log"));
    m_driver.start(m_chromedriver, {QString("--port=%1").arg(port)});
    if (!m_driver.waitForStarted()) {
        m_error = m_chromedriver + ": " + m_driver.errorString();
        return false;
    }
    m_base = QString("http://127.0.0.1:%1").arg(port);

    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const QJsonValue status = command("GET", "/status");
        if (status.toObject().value("ready").toBool())
            break;
        if (waited.elapsed() > 30000 || m_driver.state() == QProcess::NotRunning) {
            m_error = "chromedriver did not get ready: " + m_error;
            return false;
        }
        QTest::qWait(100);
    }

    // A CI container runs it as root (no sandbox) with a small /dev/shm.
    const QJsonArray arguments = {"--headless", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                                  "--disable-quic", "--no-first-run",
                                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                                  "--window-size=1280,900", QString("--user-data-dir=" + m_profile.filePath("profile"))};
    const QJsonObject capabilities{
        {"browserName", "chrome"},
        {"goog:chromeOptions", QJsonObject{{"binary", m_chromium}, {"args", arguments}}},
        {"goog:loggingPrefs", QJsonObject{{"browser", "ALL"}}},
    };
    const QJsonValue session = command("POST", "/session", {{"capabilities", QJsonObject{{"alwaysMatch", capabilities}}}});
    m_session = session.toObject().value("sessionId").toString();
    if (m_session.isEmpty()) {
        m_error = "no browser session: " + m_error;
        return false;
    }
    return true;
}

QJsonValue WebDriver::command(const QByteArray &method, const QString &path, const QJsonObject &body)
{
    const QString sessionPath = path == "/status" || path == "/session" ? path : "/session/" + m_session + path;
    QNetworkRequest request(QUrl(m_base + sessionPath));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json; charset=utf-8");
    const QByteArray data = method == "POST" ? QJsonDocument(body).toJson(QJsonDocument::Compact) : QByteArray();
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, data);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    const bool finished = reply->isFinished();
    const QByteArray answer = finished ? reply->readAll() : QByteArray();
    const QString transportError = reply->errorString();
    reply->abort();
    reply->deleteLater();
    if (!finished) {
        m_error = QString("%1 %2: no answer").arg(QString::fromLatin1(method), sessionPath);
        return QJsonValue(QJsonValue::Undefined);
    }
    const QJsonValue value = QJsonDocument::fromJson(answer).object().value("value");
    if (value.isUndefined()) {
        m_error = QString("%1 %2: %3").arg(QString::fromLatin1(method), sessionPath, transportError);
        return value;
    }
    if (value.isObject() && value.toObject().contains("error")) {
        m_error = QString("%1 %2: %3").arg(QString::fromLatin1(method), sessionPath,
                                           value.toObject().value("message").toString().section('\n', 0, 1));
        return QJsonValue(QJsonValue::Undefined);
    }
    m_error.clear();
    return value;
}

bool WebDriver::open(const QString &url)
{
    return !command("POST", "/url", {{"url", url}}).isUndefined();
}

QJsonValue WebDriver::execute(const QString &script, const QJsonArray &arguments)
{
    return command("POST", "/execute/sync", {{"script", script}, {"args", arguments}});
}

QJsonObject WebDriver::element(const QString &selector)
{
    return command("POST", "/element", {{"using", "css selector"}, {"value", selector}}).toObject();
}

bool WebDriver::movePointer(const QJsonObject &element, int x, int y)
{
    const QJsonObject move{{"type", "pointerMove"}, {"duration", 0}, {"origin", element}, {"x", x}, {"y", y}};
    const QJsonObject pointer{{"type", "pointer"},
                              {"id", "mouse"},
                              {"parameters", QJsonObject{{"pointerType", "mouse"}}},
                              {"actions", QJsonArray{move}}};
    return !command("POST", "/actions", {{"actions", QJsonArray{pointer}}}).isUndefined();
}

QJsonArray WebDriver::browserLog()
{
    return command("POST", "/se/log", {{"type", "browser"}}).toArray();
}
