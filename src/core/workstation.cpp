#include "core/workstation.h"

#include "buildconfig.h"

#include <QEventLoop>
#include <QHash>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

namespace workstation {
namespace {

const QString local = QStringLiteral("Local");
constexpr int defaultTimeoutMs = 4000;

QString& urlOverride()
{
    static QString u;
    return u;
}

int& timeoutOverride()
{
    static int t = 0;
    return t;
}

}  // namespace

QString ipEchoUrl()
{
    return urlOverride().isEmpty() ? QStringLiteral(SAXORA_IPECHO_URL) : urlOverride();
}

void setIpEchoUrl(const QString& url) { urlOverride() = url; }

int ipEchoTimeoutMs() { return timeoutOverride() > 0 ? timeoutOverride() : defaultTimeoutMs; }

void setIpEchoTimeoutMs(int ms) { timeoutOverride() = ms; }

QString parseIpEcho(const QString& answer)
{
    const int a = answer.indexOf(QLatin1String("Address:"));
    if (a < 0) return local;
    const int from = a + 9;  // past "Address:" and the blank after it
    const int end = answer.indexOf(QLatin1Char('<'), from);
    const QString address = from < answer.size() ? answer.mid(from, end < 0 ? -1 : end - from) : QString();
    return address.isEmpty() ? local : address;
}

QString publicAddress()
{
    const QUrl url(ipEchoUrl());
    if (!url.isValid() || url.scheme().isEmpty()) return local;
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(ipEchoTimeoutMs());
    // the login waits for the answer; the wait indicator keeps moving, clicks wait
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    QString result = local;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!timedOut && reply->error() == QNetworkReply::NoError && (status == 0 || (status >= 200 && status < 300)))
        result = parseIpEcho(QString::fromUtf8(reply->readAll()));
    delete reply;
    return result;
}

QString adapterAddress(const QList<QPair<bool, QString>>& interfaces)
{
    for (const auto& [loopback, hardware] : interfaces) {
        if (loopback) continue;
        const QStringList pairs = hardware.split(QLatin1Char(':'));
        if (pairs.size() != 6) continue;
        bool allZero = true;
        bool ok = true;
        for (const QString& p : pairs) {
            const int v = p.toInt(&ok, 16);
            if (p.size() != 2) ok = false;
            if (!ok) break;
            if (v != 0) allZero = false;
        }
        if (!ok || allZero) continue;
        return pairs.join(QLatin1Char('-')).toUpper();
    }
    return QStringLiteral("mac not found");
}

QString adapterAddress()
{
    QList<QPair<bool, QString>> list;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
        list.append({bool(i.flags() & QNetworkInterface::IsLoopBack) || i.type() == QNetworkInterface::Loopback,
                     i.hardwareAddress()});
    return adapterAddress(list);
}

QString osText(const QString& productName, const QString& version)
{
    return productName + QStringLiteral(" (version ") + version + QLatin1Char(')');
}

QString osText()
{
    // the product as the system names it, and the version of its kernel (what the
    // system's own "current version" number counts)
    QString name = QSysInfo::prettyProductName();
    if (name.isEmpty()) name = QSysInfo::productType();
    return osText(name, QSysInfo::kernelVersion());
}

int lcid(const QString& localeName)
{
    static const QHash<QString, int> table = {
        {QStringLiteral("ar_SA"), 1025}, {QStringLiteral("bg_BG"), 1026}, {QStringLiteral("ca_ES"), 1027},
        {QStringLiteral("zh_TW"), 1028}, {QStringLiteral("cs_CZ"), 1029}, {QStringLiteral("da_DK"), 1030},
        {QStringLiteral("de_DE"), 1031}, {QStringLiteral("el_GR"), 1032}, {QStringLiteral("en_US"), 1033},
        {QStringLiteral("fi_FI"), 1035}, {QStringLiteral("fr_FR"), 1036}, {QStringLiteral("he_IL"), 1037},
        {QStringLiteral("hu_HU"), 1038}, {QStringLiteral("is_IS"), 1039}, {QStringLiteral("it_IT"), 1040},
        {QStringLiteral("ja_JP"), 1041}, {QStringLiteral("ko_KR"), 1042}, {QStringLiteral("nl_NL"), 1043},
        {QStringLiteral("nb_NO"), 1044}, {QStringLiteral("pl_PL"), 1045}, {QStringLiteral("pt_BR"), 1046},
        {QStringLiteral("ro_RO"), 1048}, {QStringLiteral("ru_RU"), 1049}, {QStringLiteral("hr_HR"), 1050},
        {QStringLiteral("sk_SK"), 1051}, {QStringLiteral("sq_AL"), 1052}, {QStringLiteral("sv_SE"), 1053},
        {QStringLiteral("th_TH"), 1054}, {QStringLiteral("tr_TR"), 1055}, {QStringLiteral("id_ID"), 1057},
        {QStringLiteral("uk_UA"), 1058}, {QStringLiteral("be_BY"), 1059}, {QStringLiteral("sl_SI"), 1060},
        {QStringLiteral("et_EE"), 1061}, {QStringLiteral("lv_LV"), 1062}, {QStringLiteral("lt_LT"), 1063},
        {QStringLiteral("vi_VN"), 1066}, {QStringLiteral("ka_GE"), 1079}, {QStringLiteral("hi_IN"), 1081},
        {QStringLiteral("ga_IE"), 2108}, {QStringLiteral("zh_CN"), 2052}, {QStringLiteral("de_CH"), 2055},
        {QStringLiteral("en_GB"), 2057}, {QStringLiteral("es_MX"), 2058}, {QStringLiteral("fr_BE"), 2060},
        {QStringLiteral("it_CH"), 2064}, {QStringLiteral("nl_BE"), 2067}, {QStringLiteral("nn_NO"), 2068},
        {QStringLiteral("pt_PT"), 2070}, {QStringLiteral("sr_RS"), 9242}, {QStringLiteral("sv_FI"), 2077},
        {QStringLiteral("de_AT"), 3079}, {QStringLiteral("en_AU"), 3081}, {QStringLiteral("es_ES"), 3082},
        {QStringLiteral("fr_CA"), 3084}, {QStringLiteral("de_LU"), 4103}, {QStringLiteral("en_CA"), 4105},
        {QStringLiteral("fr_CH"), 4108}, {QStringLiteral("en_NZ"), 5129}, {QStringLiteral("fr_LU"), 5132},
        {QStringLiteral("en_IE"), 6153}, {QStringLiteral("en_ZA"), 7177}, {QStringLiteral("en_IN"), 16393},
    };
    QString name = localeName;
    for (QChar stop : {QLatin1Char('.'), QLatin1Char('@')}) {
        const int at = name.indexOf(stop);
        if (at >= 0) name.truncate(at);
    }
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return table.value(name, 0);
}

int displayLanguage()
{
    // the locale the user chose for messages, as the environment states it
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString v = qEnvironmentVariable(var);
        if (!v.isEmpty()) return lcid(v);
    }
    return lcid(QLocale::system().name());
}

}  // namespace workstation
