#include "board/snapshot.h"

#include "board/boardcanvas.h"
#include "board/jpegcodec.h"
#include "messaging/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QSaveFile>

namespace pictova {

namespace {

constexpr int kCaptionPoints = 12;
const QPoint kCaptionAt(4, 4);

void stampCaption(QImage& bitmap, const QString& caption)
{
    QPainter painter(&bitmap);
    QFont font = painter.font();
    font.setPointSize(kCaptionPoints);
    painter.setFont(font);
    // The caption holds a player's name: it is drawn as plain text, one line, whatever it says.
    const QRect box = painter.boundingRect(QRect(kCaptionAt, QSize(1 << 16, 1 << 10)),
                                           Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
}

} // namespace

QString snapshotFileName(int number)
{
    return QStringLiteral("snapshot%1.jpg").arg(number);
}

QString takeSnapshot(BoardCanvas& canvas, const QString& turncaption, int number, const QString& folder)
{
    stampCaption(canvas.backup(), turncaption);
    canvas.update();

    QDir().mkdir(folder);
    const QString path = QDir(folder).filePath(snapshotFileName(number));
    const QByteArray jpeg = encodeJpeg(canvas.backup(), kSnapshotQuality);
    // Written aside and renamed into place, so a full disk never leaves half a picture behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit())
        throw PictovaError(QCoreApplication::translate("pictova::errors", "Cannot create file %1")
                               .arg(QDir::toNativeSeparators(path)));
    return path;
}

} // namespace pictova
