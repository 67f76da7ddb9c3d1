#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace zuvek::test {

// An HTTP server on 127.0.0.1 that answers each request with the next scripted
// reply, byte for byte as written (so replies can break the rules: wrong
// lengths, no length, a cut-off body, no answer at all). It runs on the test's
// own thread; the downloader keeps events flowing while it waits, so the
// server is served in the meantime.
class LoopbackServer : public QObject {
public:
    struct Reply {
        QByteArray head;             // status line and headers, with the blank line
        QList<QByteArray> pieces;    // the body, sent piece by piece
        int gapMs = 0;               // pause between pieces
        bool silent = false;         // read the request, never answer
        bool closeWithoutAnswer = false;
    };

    // A well-formed reply: the body with its exact Content-Length.
    static Reply ok(const QByteArray& body, const QByteArray& status = "200 OK",
                    const QByteArray& extraHeaders = {}) {
        return withLength(body, QByteArray::number(body.size()), status, extraHeaders);
    }
    // A reply announcing `length` (verbatim, or no header when null).
    static Reply withLength(const QByteArray& body, const QByteArray& length,
                            const QByteArray& status = "200 OK",
                            const QByteArray& extraHeaders = {}) {
        Reply r;
        r.head = "HTTP/1.1 " + status + "\r\n" + extraHeaders;
        if (!length.isNull())
            r.head += "Content-Length: " + length + "\r\n";
        r.head += "Connection: close\r\n\r\n";
        if (!body.isEmpty())
            r.pieces << body;
        return r;
    }
    // The body split into pieces of `size` bytes, `gapMs` apart.
    static Reply slow(const QByteArray& body, int size, int gapMs) {
        Reply r = ok({});
        r.head = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                 "\r\nConnection: close\r\n\r\n";
        for (qsizetype at = 0; at < body.size(); at += size)
            r.pieces << body.mid(at, size);
        r.gapMs = gapMs;
        return r;
    }

    LoopbackServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
        server_.listen(QHostAddress::LocalHost);
    }

    void script(const QList<Reply>& replies) { replies_ = replies; }
    quint16 port() const { return server_.serverPort(); }
    QString url(const QString& path = QStringLiteral("/Soft/zuvek/setup-zuvek.exe")) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }
    // Every request received so far, as raw bytes up to the blank line.
    const QList<QByteArray>& requests() const { return requests_; }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto* buffer = new QByteArray;
            QObject::connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                requests_ << buffer->left(end + 4);
                buffer->remove(0, end + 4);
                answer(socket);
            });
        }
    }

    void answer(QTcpSocket* socket) {
        const Reply reply = replies_.isEmpty() ? ok("") : replies_.size() > 1
                                                              ? replies_.takeFirst()
                                                              : replies_.first();
        if (reply.silent)
            return;
        if (reply.closeWithoutAnswer) {
            socket->disconnectFromHost();
            return;
        }
        socket->write(reply.head);
        sendPieces(QPointer<QTcpSocket>(socket), reply, 0);
    }

    void sendPieces(QPointer<QTcpSocket> socket, const Reply& reply, int index) {
        if (!socket)
            return;
        while (index < reply.pieces.size()) {
            socket->write(reply.pieces[index++]);
            socket->flush();
            if (reply.gapMs > 0 && index < reply.pieces.size()) {
                QTimer::singleShot(reply.gapMs, this,
                                   [this, socket, reply, index] { sendPieces(socket, reply, index); });
                return;
            }
        }
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QList<Reply> replies_;
    QList<QByteArray> requests_;
};

} // namespace zuvek::test
