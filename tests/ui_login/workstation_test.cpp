// Workstation facts recorded with a login: the IP-echo page (against a local
// HTTP server), the adapter address and the display language.

#include "core/workstation.h"
#include "echoserver.h"
#include "support/qtprint.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct UrlGuard {
    ~UrlGuard()
    {
        workstation::setIpEchoUrl({});
        workstation::setIpEchoTimeoutMs(0);
    }
};

const QByteArray& page = echoPage;

}  // namespace

TEST(IpEcho, ParsesTheAddressAfterTheFirstAddressLabel)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {QString::fromLatin1(page), "198.51.100.23"},
        {"Address: 10.1.2.3", "10.1.2.3"},                                 // ends with the answer
        {"Address: 10.1.2.3\r\n", "10.1.2.3\r\n"},                         // as sent, up to the end
        {"x Address: 1.1.1.1<br>Address: 2.2.2.2</b>", "1.1.1.1"},         // the first label counts
        {"Address:203.0.113.9<", "03.0.113.9"},                            // nine characters after the "A"
        {"<body>no address here</body>", "Local"},
        {"IP address: 1.2.3.4", "Local"},                                  // the label is case-sensitive
        {"Address: <b>", "Local"},                                         // nothing before the next "<"
        {"Address:", "Local"},
        {"", "Local"},
    };
    for (const auto& [answer, want] : cases)
        EXPECT_EQ(workstation::parseIpEcho(answer), want) << answer.toStdString();
}

TEST(IpEcho, FetchesThePageWithTheRequestHeaders)
{
    UrlGuard guard;
    EchoServer server("200 OK", page);
    workstation::setIpEchoUrl(server.url());
    EXPECT_EQ(workstation::publicAddress(), "198.51.100.23");
    const QByteArray req = server.request();
    EXPECT_TRUE(req.startsWith("GET / HTTP/1.1\r\n")) << req.toStdString();
    EXPECT_TRUE(req.contains("\r\nAccept: text/html, */*\r\n")) << req.toStdString();
    EXPECT_TRUE(req.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n")) << req.toStdString();
}

TEST(IpEcho, AnyFailureGivesLocalWithinTheTimeOut)
{
    UrlGuard guard;
    workstation::setIpEchoTimeoutMs(700);
    struct Case {
        const char* what;
        std::unique_ptr<EchoServer> server;
        QString url;
    };
    std::vector<Case> cases;
    cases.push_back({"an HTTP error status", std::make_unique<EchoServer>("500 Internal Server Error", page), {}});
    cases.push_back({"a server that never answers", std::make_unique<EchoServer>("200 OK", page, true), {}});
    cases.push_back({"an answer without the label", std::make_unique<EchoServer>("200 OK", "<p>hello</p>"), {}});
    {
        // a port nobody listens on
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        cases.push_back({"no server", nullptr, QStringLiteral("http://127.0.0.1:%1/").arg(port)});
    }
    cases.push_back({"an address that is no URL", nullptr, QStringLiteral("not a url")});
    for (Case& c : cases) {
        workstation::setIpEchoUrl(c.server ? c.server->url() : c.url);
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(workstation::publicAddress(), "Local") << c.what;
        EXPECT_LT(t.elapsed(), 3000) << c.what;
    }
}

TEST(Workstation, AdapterAddressOfTheFirstRealInterface)
{
    using List = QList<QPair<bool, QString>>;
    const std::vector<std::pair<List, QString>> cases = {
        {{{true, "00:00:00:00:00:00"}, {false, "52:54:00:ab:cd:0f"}}, "52-54-00-AB-CD-0F"},
        {{{false, ""}, {false, "00:00:00:00:00:00"}, {false, "02:42:AC:11:00:02"}}, "02-42-AC-11-00-02"},
        {{{true, "52:54:00:12:34:56"}}, "mac not found"},                      // only the loopback
        {{{false, "00:11:22:33:44:55:66:77"}, {false, "AA:BB:CC:DD:EE:01"}}, "AA-BB-CC-DD-EE-01"},  // not six bytes
        {{}, "mac not found"},
    };
    for (const auto& [list, want] : cases) EXPECT_EQ(workstation::adapterAddress(list), want);
    const QString here = workstation::adapterAddress();
    EXPECT_TRUE(here == "mac not found" || QRegularExpression("^([0-9A-F]{2}-){5}[0-9A-F]{2}$").match(here).hasMatch())
        << here.toStdString();
}

TEST(Workstation, DisplayLanguageAsWindowsLanguageIdentifier)
{
    const std::vector<std::pair<QString, int>> cases = {
        {"en_US", 1033}, {"hu_HU", 1038}, {"de_DE", 1031}, {"en_GB", 2057}, {"de_AT", 3079},
        {"hu_HU.UTF-8", 1038}, {"de_DE@euro", 1031}, {"en-GB", 2057},
        {"C", 0}, {"POSIX", 0}, {"C.UTF-8", 0}, {"", 0}, {"hu", 0}, {"xx_YY", 0},
    };
    for (const auto& [name, want] : cases) EXPECT_EQ(workstation::lcid(name), want) << name.toStdString();

    // the user's own: LC_ALL before LC_MESSAGES before LANG
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "en_GB.UTF-8");
    qputenv("LANG", "hu_HU.UTF-8");
    EXPECT_EQ(workstation::displayLanguage(), 2057);
    qputenv("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(workstation::displayLanguage(), 1031);
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 3; ++i) {
        if (saved[i].isEmpty()) qunsetenv(names[i]);
        else qputenv(names[i], saved[i]);
    }
}
