// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <future>

namespace {

// The window's own paint event comes first in a paint pass; the pass, which
// ends by handing the picture to the window system, is over when the event
// loop comes round again.
class Watch : public QObject
{
public:
    Watch(QWidget *window, QObject *context, std::function<void()> work)
        : QObject(window)
        , m_context(context)
        , m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == parent()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (m_context)
                    m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    QPointer<QObject> m_context;
    std::function<void()> m_work;
};

using Pictures = std::shared_future<QHash<QString, QImage>>;

// The files read ahead and not taken yet, each with the reading that holds it.
QHash<QString, Pictures> &readAhead()
{
    static QHash<QString, Pictures> files;
    return files;
}

} // namespace

void FirstPaint::then(QWidget *window, QObject *context, std::function<void()> work)
{
    new Watch(window, context, std::move(work));
}

void FirstPaint::setWindowIcon(QWidget *window, const QString &path)
{
    then(window, window, [window, path] {
        window->setWindowIcon(QIcon(path));
        // The toolkit tells only the window's own widgets of its new icon; the
        // windows it opened are told as of a new icon of the whole program.
        QEvent change(QEvent::ApplicationWindowIconChange);
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (child->isWindow())
                QCoreApplication::sendEvent(child, &change);
        }
    });
}

void FirstPaint::readPicturesAhead(const QStringList &files)
{
    const Pictures pictures = std::async(std::launch::async, [files] {
                                  QHash<QString, QImage> read;
                                  for (const QString &file : files) {
                                      // In the form a picture on the screen keeps, made here too.
                                      QImage image(file);
                                      if (image.hasAlphaChannel())
                                          image.convertTo(QImage::Format_ARGB32_Premultiplied);
                                      read.insert(file, image);
                                  }
                                  return read;
                              }).share();
    for (const QString &file : files)
        readAhead().insert(file, pictures);
}

QPixmap FirstPaint::picture(const QString &file)
{
    const auto found = readAhead().constFind(file);
    if (found == readAhead().cend())
        return QPixmap(file);
    QImage image = found->get().value(file);
    readAhead().erase(found);
    return QPixmap::fromImage(std::move(image));
}
