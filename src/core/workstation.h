#pragma once
// Facts about the workstation that every login attempt with a password records:
// the public address (as an IP-echo web page sees it), the address of the network
// adapter, the operating system and the user's display language.

#include <QByteArray>
#include <QList>
#include <QString>

class QNetworkInterface;

namespace workstation {

// ---- public address --------------------------------------------------------
// The page asked at login; the build-time setting unless a test replaced it.
QString ipEchoUrl();
void setIpEchoUrl(const QString& url);  // empty: back to the build-time setting
// how long the login waits for the page
int ipEchoTimeoutMs();
void setIpEchoTimeoutMs(int ms);  // 0 or less: back to the default

// The address an IP-echo answer holds: from nine characters after the "A" of its
// first "Address:" up to the next "<" or the end of the answer. "Local" when the
// answer holds no "Address:" or nothing after it.
QString parseIpEcho(const QString& answer);
// GET of the IP-echo page: its address, or "Local" when the page cannot be had
// (no network, refused, an HTTP error status, the time-out).
QString publicAddress();

// ---- adapter address ---------------------------------------------------------
// "AA-BB-CC-DD-EE-FF" of the first interface that is not the loopback and has a
// six-byte hardware address; "mac not found" when there is none.
QString adapterAddress();
// the same over a given list of (is loopback, hardware address as Qt writes it)
QString adapterAddress(const QList<QPair<bool, QString>>& interfaces);

// ---- operating system --------------------------------------------------------
// product name + " (version " + version + ")"
QString osText();
QString osText(const QString& productName, const QString& version);

// ---- display language --------------------------------------------------------
// The Windows language identifier (LCID) of a locale name such as "hu_HU" or
// "en_GB.UTF-8"; 0 when the locale is not one of the known ones.
int lcid(const QString& localeName);
// the LCID of the user's own locale
int displayLanguage();

}  // namespace workstation
