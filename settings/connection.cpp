#include "connection.h"

#include <QFile>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QStringList>

namespace talvern::settings {

namespace {

QList<QStringList> tableRows(const QString& file) {
    QList<QStringList> rows;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return rows;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QStringList fields = QString::fromLatin1(line).simplified().split(u' ', Qt::SkipEmptyParts);
        if (!fields.isEmpty()) rows << fields;
    }
    return rows;
}

} // namespace

bool hasDefaultRoute() {
    // IPv4: "Iface Destination Gateway Flags ... Mask ...", hexadecimal.
    for (const QStringList& f : tableRows(QStringLiteral("/proc/net/route")))
        if (f.size() > 7 && f[0] != QLatin1String("lo") && f[1] == QLatin1String("00000000") &&
            f[7] == QLatin1String("00000000"))
            return true;
    // IPv6: "destination prefix-length source source-length next-hop metric
    // refcount use flags iface"; the kernel keeps a blackhole default on lo.
    const QString zero(32, u'0');
    for (const QStringList& f : tableRows(QStringLiteral("/proc/net/ipv6_route")))
        if (f.size() > 9 && f[0] == zero && f[1] == QLatin1String("00") && f[9] != QLatin1String("lo")) return true;
    return false;
}

bool hasUpInterface() {
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : all) {
        const auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)) continue;
        if (flags & QNetworkInterface::IsLoopBack) continue;
        if (!i.addressEntries().isEmpty()) return true;
    }
    return false;
}

bool systemIsOnline() {
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    if (const QNetworkInformation* info = QNetworkInformation::instance()) {
        switch (info->reachability()) {
        case QNetworkInformation::Reachability::Online:
        case QNetworkInformation::Reachability::Site: return true;
        case QNetworkInformation::Reachability::Disconnected:
        case QNetworkInformation::Reachability::Local: return false;
        case QNetworkInformation::Reachability::Unknown: break;
        }
    }
    return hasDefaultRoute() || hasUpInterface();
}

} // namespace talvern::settings
