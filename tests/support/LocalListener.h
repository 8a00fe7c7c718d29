#pragma once

#include <QBuffer>
#include <QImage>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A web server on 127.0.0.1 that records the path of every request it gets and
// answers each: a picture for .png, a page for .htm (pages, so that what a
// framed page would ask for is seen too), plain text otherwise.
class LocalListener : public QObject
{
public:
    LocalListener()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
            {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    bool isListening() const { return m_server.isListening(); }
    // Paths asked for, in order of arrival.
    QStringList paths;
    // The body of the pages served for .htm.
    QByteArray page = "<html><body>served</body></html>";

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
        const QString path = line.size() > 1 ? QString::fromLatin1(line[1]) : QString();
        m_pending.remove(socket);
        paths << path;
        QByteArray body = "text";
        QByteArray type = "text/plain";
        if (path.endsWith(QLatin1String(".png"))) {
            QImage picture(3, 2, QImage::Format_RGB32);
            picture.fill(Qt::blue);
            QBuffer buffer(&body);
            body.clear();
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG");
            type = "image/png";
        } else if (path.endsWith(QLatin1String(".htm"))) {
            body = page;
            type = "text/html";
        }
        socket->write("HTTP/1.0 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size())
                      + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};
