// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/lazyicon.h"

#include "base/ui/firstpaint.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <optional>

namespace {

constexpr QSize SmallSize(20, 20);

class LazyIconEngine : public QIconEngine
{
public:
    explicit LazyIconEngine(const QString &path)
        : m_path(path)
    {
    }

    QIconEngine *clone() const override { return new LazyIconEngine(m_path); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }

    // Sizes come from the file's header: nothing is decoded before it is drawn.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QSize actual = fileSize();
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off || fileSize().isEmpty())
            return {};
        return {fileSize()};
    }

    // As the toolkit's icon of a named file, which is not null even when the file is missing.
    bool isNull() override { return m_path.isEmpty(); }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return iconFor(size).pixmap(size, 1.0, mode, state);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        if (scale <= 1.0)
            return pixmap(size, mode, state);
        return full().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        iconFor(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    QSize fileSize()
    {
        if (!m_fileSize)
            m_fileSize = QImageReader(m_path).size();
        return *m_fileSize;
    }

    const QIcon &full()
    {
        if (!m_full)
            m_full = QIcon(m_path);
        return *m_full;
    }

    const QIcon &iconFor(const QSize &deviceSize)
    {
        if (deviceSize != SmallSize)
            return full();
        if (!m_small) {
            const QString small = LazyIcon::smallFileFor(m_path);
            m_small = QIcon(FirstPaint::picture(small)); // null when there is no such file
        }
        return m_small->isNull() ? full() : *m_small;
    }

    QString m_path;
    std::optional<QSize> m_fileSize;
    std::optional<QIcon> m_full;
    std::optional<QIcon> m_small;
};

} // namespace

QIcon LazyIcon::fromFile(const QString &path)
{
    return QIcon(new LazyIconEngine(path));
}

QStringList LazyIcon::smallFiles(const QString &folder)
{
    QStringList files;
    const QDir small(folder + QStringLiteral("/20x20"));
    for (const QString &name : small.entryList({QStringLiteral("*.png")}, QDir::Files))
        files.append(small.filePath(name));
    return files;
}

QString LazyIcon::smallFileFor(const QString &path)
{
    const QFileInfo file(path);
    return file.path() + QStringLiteral("/20x20/") + file.fileName();
}
