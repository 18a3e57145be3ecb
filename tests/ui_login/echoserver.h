#pragma once
// A one-page HTTP server for the IP-echo request of the login.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

// A one-page HTTP server: answers every request with the given status and body
// (or never answers, when silent) and keeps the last request it read.
class EchoServer {
public:
    EchoServer(QByteArray status, QByteArray body, bool silent = false)
        : status_(std::move(status)), body_(std::move(body)), silent_(silent)
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    request_ += s->readAll();
                    if (!request_.contains("\r\n\r\n") || silent_) return;
                    s->write("HTTP/1.0 " + status_ + "\r\nContent-Type: text/html\r\nContent-Length: "
                             + QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort()); }
    QByteArray request() const { return request_; }

private:
    QTcpServer server_;
    QByteArray status_, body_;
    bool silent_;
    QByteArray request_;
};


inline const QByteArray echoPage =
    "<html><head><title>Current IP Check</title></head><body>Current IP Address: 198.51.100.23</body></html>\r\n";
