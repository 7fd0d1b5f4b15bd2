// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/inivalue.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace {

QStringList splitArguments(const QString &text, qsizetype open)
{
    QStringList result;
    QString item;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u')') {
            result.append(item);
        } else if (ch == u' ') {
            result.append(item);
            item.clear();
        } else {
            item.append(ch);
        }
    }
    return result;
}

} // namespace

QVariant IniValue::toVariant(const QString &text)
{
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return QStringView(text).sliced(11).chopped(1).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return QStringView(text).sliced(8).chopped(1).toString();
        if (text.startsWith(QLatin1String("@Variant(")) || text.startsWith(QLatin1String("@DateTime("))) {
            const bool dateTime = text.at(1) == u'D';
            QByteArray bytes = QStringView(text).sliced(dateTime ? 10 : 9).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant result;
            stream >> result;
            return result;
        }
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = splitArguments(text, 5);
            if (a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList a = splitArguments(text, 5);
            if (a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList a = splitArguments(text, 6);
            if (a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    return text;
}

QVariant IniValue::listToVariant(QStringList list)
{
    for (QString &item : list) {
        if (!item.startsWith(u'@'))
            continue;
        if (item.size() < 2 || item.at(1) != u'@') {
            QVariantList values;
            values.reserve(list.size());
            for (const QString &each : std::as_const(list))
                values.append(toVariant(each));
            return values;
        }
        item.remove(0, 1);
    }
    return list;
}
