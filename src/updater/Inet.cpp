#include "updater/Inet.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QUrl>

namespace zuvek {

namespace {

// A bounded read buffer keeps memory flat however fast the server sends: the
// network thread pauses while the window's side has not caught up.
constexpr qint64 kReadBufferBytes = 256 * 1024;

bool isHttpAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

} // namespace

Inet::Inet(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {
    connect(manager_, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply* reply, QAuthenticator* authenticator) {
                // Offer the caller's credentials once per request; a second
                // demand means they were refused, and the 401 reaches the caller.
                if (reply != reply_ || credentialsOffered_)
                    return;
                if (userName_.isEmpty() && password_.isEmpty())
                    return;
                credentialsOffered_ = true;
                authenticator->setUser(userName_);
                authenticator->setPassword(password_);
            });
}

Inet::~Inet() {
    if (reply_ && !reply_->isFinished()) {
        cancelled_ = true;
        reply_->abort();
    }
}

bool Inet::Execute(const QString& url, const QString& operation, const QByteArray& data,
                   const QString& requestHeaders) {
    Cancel();
    headersIn_ = false;
    finished_ = false;
    interrupted_ = false;
    credentialsOffered_ = false;
    cancelled_ = false;
    failure_ = Failure::None;
    failureDescription_.clear();

    const QUrl address(url.isEmpty() ? url_ : url, QUrl::StrictMode);
    if (!isHttpAddress(address)) {
        failure_ = Failure::Connection;
        failureDescription_ = tr("The address is not an http or https address");
        headersIn_ = finished_ = true;
        return false;
    }

    QNetworkRequest request(address);
    bool encodingGiven = false;
    const QStringList lines = requestHeaders.split(QRegularExpression(QStringLiteral("\r?\n")),
                                                   Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLatin1();
        request.setRawHeader(name, line.mid(colon + 1).trimmed().toLatin1());
        if (name.compare("Accept-Encoding", Qt::CaseInsensitive) == 0)
            encodingGiven = true;
    }
    // Left to itself Qt asks for gzip and inflates the body on the fly, so the
    // bytes handed over would no longer match Content-Length.
    if (!encodingGiven)
        request.setRawHeader("Accept-Encoding", "identity");
    // The status line is read by position ("HTTP/1.1 200 ..."); keep to HTTP/1.1.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs_);

    const QByteArray verb = operation.trimmed().toUpper().toLatin1();
    QNetworkReply* reply = nullptr;
    if (verb.isEmpty() || verb == "GET")
        reply = manager_->get(request);
    else if (verb == "HEAD")
        reply = manager_->head(request);
    else
        reply = manager_->sendCustomRequest(request, verb, data);
    reply->setReadBufferSize(kReadBufferBytes);
    reply_ = reply;
    connect(reply, &QNetworkReply::readyRead, this, &Inet::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &Inet::onFinished);
    return true;
}

void Inet::onReadyRead() {
    headersIn_ = true;
}

void Inet::onFinished() {
    headersIn_ = true;
    finished_ = true;
    if (!reply_)
        return;
    const QNetworkReply::NetworkError error = reply_->error();
    if (error == QNetworkReply::NoError || statusCode() != 0)
        return;
    switch (error) {
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProtocolFailure:
    case QNetworkReply::UnknownContentError:
        failure_ = Failure::NoAnswer;
        failureDescription_ = reply_->errorString();
        break;
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        failure_ = Failure::Connection;
        failureDescription_ = cancelled_
                                  ? reply_->errorString()
                                  : tr("The server did not answer within %1 seconds")
                                        .arg(timeoutMs_ / 1000.0);
        break;
    default:
        failure_ = Failure::Connection;
        failureDescription_ = reply_->errorString();
        break;
    }
}

bool Inet::StillExecuting() const {
    return reply_ && !headersIn_;
}

int Inet::statusCode() const {
    if (!reply_)
        return 0;
    const QVariant code = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return code.isValid() ? code.toInt() : 0;
}

QString Inet::GetHeader() const {
    const int code = statusCode();
    if (code == 0)
        return {};
    // Qt has already parsed the status line; it is rebuilt in its usual form.
    // The minor version of the server's answer is not kept by Qt, and HTTP/2 is
    // switched off for our requests.
    QString text = QStringLiteral("HTTP/1.1 %1 %2\r\n")
                       .arg(code)
                       .arg(reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute)
                                .toString());
    for (const auto& [name, value] : reply_->rawHeaderPairs())
        text += QString::fromLatin1(name) + QStringLiteral(": ") + QString::fromLatin1(value) + QStringLiteral("\r\n");
    return text;
}

QString Inet::GetHeader(const QString& name) const {
    if (!reply_ || statusCode() == 0)
        return {};
    return QString::fromLatin1(reply_->rawHeader(name.toLatin1()));
}

QByteArray Inet::GetChunk(qint64 size) {
    while (reply_ && reply_->bytesAvailable() == 0 && !finished_ && !interrupted_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!reply_ || size <= 0)
        return {};
    return reply_->read(size);
}

void Inet::InterruptWait() {
    interrupted_ = true;
}

void Inet::Cancel() {
    if (!reply_)
        return;
    cancelled_ = true;
    QNetworkReply* reply = reply_;
    discardReply();
    if (!reply->isFinished())
        reply->abort();
}

void Inet::discardReply() {
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
}

QString Inet::OpenURL(const QString& url) {
    if (!Execute(url))
        return {};
    QNetworkReply* reply = reply_;
    // The whole body is read at the end: no cap on what the reply may hold
    // meanwhile, or a long page would stall until the time-out.
    reply->setReadBufferSize(0);
    if (!finished_) {
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    QString text;
    const int code = statusCode();
    if (reply_ && reply_->error() == QNetworkReply::NoError && code >= 200 && code < 300)
        text = QString::fromUtf8(reply_->readAll());
    Cancel();
    return text;
}

} // namespace zuvek
