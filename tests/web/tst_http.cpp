// SPDX-License-Identifier: MIT
#include "support/fakeservice.h"

#include "sources/contentdecoding.h"
#include "sources/httpconnections.h"
#include "sources/httpfetcher.h"
#include "sources/httpresponsereader.h"

#include <QCoroTask>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <zlib.h>

using namespace std::chrono_literals;
using ReadError = HttpResponseReader::Error;

namespace {

// `text` compressed with zlib's deflate; `windowBits` picks the wrapper (31: gzip, 15: zlib,
// -15: none).
QByteArray deflated(const QByteArray &text, int windowBits)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(text.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(text.constData()));
    stream.avail_in = uInt(text.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// A server that keeps its connections open and answers "ok" to each request; told to, it
// closes a kept connection on its next request unanswered, as servers do when their idle time
// runs out just as a request arrives.
class KeepAliveServer final : public QTcpServer {
public:
    bool dropNextKept = false;
    int connections = 0;

    KeepAliveServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, seen = 0]() mutable {
                    QByteArray pending =
                        socket->property("pending").toByteArray() + socket->readAll();
                    for (qsizetype end; (end = pending.indexOf("\r\n\r\n")) >= 0;) {
                        pending.remove(0, end + 4);
                        if (++seen > 1 && std::exchange(dropNextKept, false)) {
                            socket->close();
                            return;
                        }
                        socket->write("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
                    }
                    socket->setProperty("pending", pending);
                });
            }
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(serverPort())); }
};

} // namespace

class TestHttp final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readerFollowsTheFraming_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<ReadError>("error");
        QTest::addColumn<bool>("keeps"); // the connection may carry the next request

        const QByteArray ok = "HTTP/1.1 200 OK\r\n";
        QTest::newRow("sized") << ok + "Content-Length: 5\r\n\r\nhello" << 200
                               << QByteArray("hello") << ReadError::None << true;
        QTest::newRow("chunked") << ok + "Transfer-Encoding: chunked\r\n\r\n5;x=y\r\nhello\r\n"
                                         "6\r\n world\r\n0\r\nX-Trailer: 1\r\n\r\n"
                                 << 200 << QByteArray("hello world") << ReadError::None << true;
        QTest::newRow("until close")
            << ok + "\r\nabc" << 200 << QByteArray("abc") << ReadError::None << false;
        QTest::newRow("close asked") << ok + "Connection: Close\r\nContent-Length: 2\r\n\r\nok"
                                     << 200 << QByteArray("ok") << ReadError::None << false;
        QTest::newRow("HTTP/1.0") << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok")
                                  << 200 << QByteArray("ok") << ReadError::None << false;
        QTest::newRow("interim, then not modified")
            << QByteArray(
                   "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 304 Not Modified\r\nETag: \"e\"\r\n\r\n")
            << 304 << QByteArray("") << ReadError::None << true;
        QTest::newRow("bare line feeds") << QByteArray("HTTP/1.1 404 Nope\nContent-Length: 2\n\nno")
                                         << 404 << QByteArray("no") << ReadError::None << true;
        QTest::newRow("more than asked") << ok + "Content-Length: 2\r\n\r\nokHTTP/1.1" << 200
                                         << QByteArray("ok") << ReadError::None << false;
        QTest::newRow("two lengths") << ok + "Content-Length: 2\r\nContent-Length: 3\r\n\r\nok" << 0
                                     << QByteArray("") << ReadError::Malformed << false;
        QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << 0 << QByteArray("")
                                  << ReadError::Malformed << false;
        QTest::newRow("cut short") << ok + "Content-Length: 10\r\n\r\nabc" << 0 << QByteArray("")
                                   << ReadError::Truncated << false;
        // The reader below allows heads of 256 bytes and bodies of 16.
        QTest::newRow("long length") << ok + "Content-Length: 17\r\n\r\n"
                                     << 0 << QByteArray("") << ReadError::BodyTooLarge << false;
        QTest::newRow("long chunks") << ok + "Transfer-Encoding: chunked\r\n\r\n9\r\n123456789\r\n"
                                             "9\r\n123456789\r\n0\r\n\r\n"
                                     << 0 << QByteArray("") << ReadError::BodyTooLarge << false;
        QTest::newRow("long until close") << ok + "\r\n" + QByteArray(17, 'x') << 0
                                          << QByteArray("") << ReadError::BodyTooLarge << false;
        QTest::newRow("endless header") << ok + "X-A: " + QByteArray(300, 'a') << 0
                                        << QByteArray("") << ReadError::HeadTooLarge << false;
        QTest::newRow("endless headers") << ok + QByteArray("X-A: a\r\n").repeated(40) << 0
                                         << QByteArray("") << ReadError::HeadTooLarge << false;
    }

    void readerFollowsTheFraming()
    {
        QFETCH(QByteArray, bytes);
        // All at once, and a byte at a time: where the pieces break must not matter.
        for (const qsizetype piece : {bytes.size(), qsizetype(1)}) {
            HttpResponseReader reader(256, 16);
            for (qsizetype at = 0; at < bytes.size(); at += piece)
                reader.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
            if (!reader.isDone() && reader.error() == ReadError::None)
                reader.endOfStream();
            QTEST(reader.error(), "error");
            if (reader.error() == ReadError::None) {
                QTEST(reader.statusCode(), "status");
                QTEST(reader.takeBody(), "body");
            }
            QTEST(reader.keepsConnection(), "keeps");
        }
    }

    void bodiesAreUnpackedWithinTheBound()
    {
        const QByteArray text = QByteArray("[{\"id\":1}]").repeated(50);
        const auto decode = [](const QByteArray &coding, const QByteArray &body) {
            return ContentDecoding::decode(coding, body, 1000);
        };
        using Decoded = std::variant<QByteArray, ContentDecoding::Failure>;
        for (const auto &[coding, bits] : {std::pair{"gzip", 31},
                                           {"x-gzip", 31},
                                           {"deflate", 15},
                                           {"deflate", -15},
                                           {"GZIP, identity", 31}})
            QCOMPARE(decode(coding, deflated(text, bits)), Decoded(text));
        QCOMPARE(decode("", text), Decoded(text));
        QCOMPARE(decode("gzip", {}), Decoded(QByteArray())); // a 304 naming its 200's coding
        QCOMPARE(decode("gzip", deflated(QByteArray(1001, '0'), 31)),
                 Decoded(ContentDecoding::Failure::TooLarge));
        QCOMPARE(decode("gzip", deflated(text, 31).chopped(4)),
                 Decoded(ContentDecoding::Failure::Invalid));
        QCOMPARE(decode("br", text), Decoded(ContentDecoding::Failure::Unsupported));
    }

    void connectionsAreBoundedPerOrigin()
    {
        FakeService service;
        service.serve("/held", {.body = "[]", .held = true});
        HttpConnections connections;
        const HttpFetcher fetcher(connections, {.idle = 10s});
        std::vector<QCoro::Task<std::variant<HttpResponse, FetchError>>> tasks;
        for (int i = 0; i < 8; ++i)
            tasks.push_back(fetcher.get(service.base().resolved(QUrl("/held")), {}));
        QTRY_COMPARE(service.requests().size(), HttpConnections::maxPerOrigin);
        QTest::qWait(50);
        QCOMPARE(service.requests().size(), HttpConnections::maxPerOrigin);
        service.release();
        QTRY_COMPARE(service.requests().size(), 8);
        service.release();
        for (auto &task : tasks) {
            const auto result = QCoro::waitFor(std::move(task));
            QCOMPARE(std::get<HttpResponse>(result).body, "[]");
        }
    }

    void keptConnectionsAreReused()
    {
        KeepAliveServer server;
        HttpConnections connections;
        const HttpFetcher fetcher(connections, {.idle = 10s});
        const auto body = [&fetcher, &server] {
            const auto result = QCoro::waitFor(fetcher.get(server.url(), {}));
            const auto *response = std::get_if<HttpResponse>(&result);
            return response ? response->body : std::get<FetchError>(result).message.toUtf8();
        };
        QCOMPARE(body(), "ok");
        QCOMPARE(body(), "ok");
        QCOMPARE(server.connections, 1);
        QCOMPARE(connections.idleCount(), 1);

        // Closed by the server as the request arrived: sent again on a new connection.
        server.dropNextKept = true;
        QCOMPARE(body(), "ok");
        QCOMPARE(body(), "ok");
        QCOMPARE(server.connections, 2);
    }
};

QTEST_GUILESS_MAIN(TestHttp)
#include "tst_http.moc"
