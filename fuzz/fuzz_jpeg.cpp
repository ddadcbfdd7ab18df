// The snapshot viewer's JPEG decoding: a file in the snapshot folder holding any bytes at all is
// listed, selected and shown by the real viewer. It is either shown at its decoded size or
// refused with "JPEG error #<code>" through the error box, and nothing crashes or leaks.

#include "board/jpegcodec.h"
#include "board/snapshotviewer.h"
#include "fuzz/fuzzsupport.h"
#include "messaging/errors.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace pictova;

namespace {

SnapshotViewer* viewer = nullptr;
QString* file = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startGuiApplication(argc, argv);
    fuzz::captureReportedErrors();
    static QTemporaryDir folder(fuzz::scratchTemplate());
    file = new QString(folder.filePath(QStringLiteral("snapshot1.jpg")));
    viewer = new SnapshotViewer;
    viewer->setFolder(folder.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile out(*file);
        FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(out.write(bytes) == bytes.size());
    }
    viewer->image_snapshot()->clear();
    viewer->refresh();
    const QStringList errors = fuzz::takeReportedErrors();

    std::optional<QString> decodeError;
    QSize decodedSize;
    try {
        decodedSize = decodeJpeg(bytes).size();
    } catch (const PictovaError& error) {
        decodeError = error.text();
    }

    if (decodeError) {
        static const QRegularExpression form(QStringLiteral("^JPEG error #\\d+$"));
        FUZZ_CHECK(form.match(*decodeError).hasMatch());
        FUZZ_CHECK(errors == QStringList{*decodeError});
    } else {
        FUZZ_CHECK(errors.isEmpty());
        FUZZ_CHECK(!decodedSize.isEmpty() && decodedSize.width() <= kMaxJpegSide &&
                   decodedSize.height() <= kMaxJpegSide);
        FUZZ_CHECK(viewer->image_snapshot()->pixmap().size() == decodedSize);
    }
    return 0;
}
