#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;

namespace zuvek {

// The internet transfer control: one HTTP(S) request at a time over
// QNetworkAccessManager, shaped for a single-threaded window that starts a
// request, keeps handling its own events while it waits, then reads the
// response headers and pulls the body piece by piece.
//
// Used by the updater's downloader and by the main program's version check;
// it depends on QtCore and QtNetwork only.
class Inet : public QObject {
    Q_OBJECT
public:
    // How the last request ended before any HTTP answer arrived.
    enum class Failure {
        None,       // an answer arrived (or the request still runs)
        NoAnswer,   // connected, but the server closed or sent something that is not HTTP
        Connection  // the server could not be reached, timed out, or TLS failed
    };

    static constexpr int kDefaultTimeoutMs = 60000;

    explicit Inet(QObject* parent = nullptr);
    ~Inet() override;

    // Properties read when a request starts.
    QString URL() const { return url_; }
    void setURL(const QString& url) { url_ = url; }
    QString UserName() const { return userName_; }
    void setUserName(const QString& userName) { userName_ = userName; }
    QString Password() const { return password_; }
    void setPassword(const QString& password) { password_ = password; }
    // Longest silence allowed from the server, in milliseconds.
    int RequestTimeout() const { return timeoutMs_; }
    void setRequestTimeout(int ms) { timeoutMs_ = ms; }

    // Starts a request and returns at once. An empty `url` means the URL
    // property. `requestHeaders` holds "Name: value" lines separated by CR LF.
    // False when the address is not a usable http(s) address.
    bool Execute(const QString& url = {}, const QString& operation = QStringLiteral("GET"),
                 const QByteArray& data = {}, const QString& requestHeaders = {});

    // True until the response's headers are in (or the request has ended).
    bool StillExecuting() const;

    // All response headers as one text: the status line, then one
    // "Name: value" line per header, each line ended by CR LF. Empty when no
    // HTTP answer arrived.
    QString GetHeader() const;
    // The value of one response header; empty when it is absent.
    QString GetHeader(const QString& name) const;

    // The next piece of the body, at most `size` bytes; empty at the end of the
    // body (also when the transfer broke off or the wait was interrupted).
    // Waits for data while handling pending events.
    QByteArray GetChunk(qint64 size);

    // Ends the current transfer.
    void Cancel();

    // Makes a waiting GetChunk return at once (with what has arrived, possibly
    // nothing) until the next Execute; the transfer itself goes on.
    void InterruptWait();

    // Fetches an address synchronously and returns the body as text (UTF-8).
    // Any failure, a status other than 2xx, or an empty `url` with an empty
    // URL property gives empty text. User input waits until it returns.
    QString OpenURL(const QString& url = {});

    Failure failure() const { return failure_; }
    // The description of the failure of the last request, if any.
    QString failureDescription() const { return failureDescription_; }
    // The HTTP status code of the last answer, 0 when none arrived.
    int statusCode() const;

private:
    void onReadyRead();
    void onFinished();
    void discardReply();

    QNetworkAccessManager* manager_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QString url_;
    QString userName_;
    QString password_;
    int timeoutMs_ = kDefaultTimeoutMs;
    bool headersIn_ = false;
    bool finished_ = false;
    bool interrupted_ = false;
    bool credentialsOffered_ = false;
    bool cancelled_ = false;
    Failure failure_ = Failure::None;
    QString failureDescription_;
};

} // namespace zuvek
