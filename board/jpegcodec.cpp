#include "board/jpegcodec.h"

#include "messaging/errors.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace pictova {

namespace {

// libjpeg's own error handler ends the process. This one jumps back to the call that started
// the work, which then cleans up and reports the message code. Only C frames lie between the
// jump and its target, so no destructor is skipped.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void errorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

// Corrupt-data warnings go to no terminal; the picture is shown as far as it could be read.
void outputMessage(j_common_ptr) {}

struct EncodeJob
{
    ErrorManager error;
    jpeg_compress_struct info;
    const QImage* rgb;
    int quality;
    unsigned char* output;
    unsigned long outputSize;
};

bool runEncode(EncodeJob* job)
{
    job->info.err = jpeg_std_error(&job->error.base);
    job->error.base.error_exit = errorExit;
    job->error.base.output_message = outputMessage;
    if (setjmp(job->error.jump)) {
        jpeg_destroy_compress(&job->info);
        return false;
    }
    jpeg_create_compress(&job->info);
    jpeg_mem_dest(&job->info, &job->output, &job->outputSize);
    job->info.image_width = static_cast<JDIMENSION>(job->rgb->width());
    job->info.image_height = static_cast<JDIMENSION>(job->rgb->height());
    job->info.input_components = 3;
    job->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job->info);
    jpeg_set_quality(&job->info, job->quality, TRUE);
    jpeg_start_compress(&job->info, TRUE);
    while (job->info.next_scanline < job->info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(job->rgb->constScanLine(static_cast<int>(job->info.next_scanline)));
        jpeg_write_scanlines(&job->info, &row, 1);
    }
    jpeg_finish_compress(&job->info);
    jpeg_destroy_compress(&job->info);
    return true;
}

struct DecodeJob
{
    ErrorManager error;
    jpeg_decompress_struct info;
    const QByteArray* bytes;
    QImage* image;
    int code;
};

bool runDecode(DecodeJob* job)
{
    job->info.err = jpeg_std_error(&job->error.base);
    job->error.base.error_exit = errorExit;
    job->error.base.output_message = outputMessage;
    if (setjmp(job->error.jump)) {
        job->code = job->error.base.msg_code;
        jpeg_destroy_decompress(&job->info);
        return false;
    }
    jpeg_create_decompress(&job->info);
    jpeg_mem_src(&job->info, reinterpret_cast<const unsigned char*>(job->bytes->constData()),
                 static_cast<unsigned long>(job->bytes->size()));
    jpeg_read_header(&job->info, TRUE);
    if (job->info.image_width > static_cast<JDIMENSION>(kMaxJpegSide) ||
        job->info.image_height > static_cast<JDIMENSION>(kMaxJpegSide))
        ERREXIT1(&job->info, JERR_IMAGE_TOO_BIG, static_cast<unsigned int>(kMaxJpegSide));
    job->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job->info);
    *job->image = QImage(static_cast<int>(job->info.output_width), static_cast<int>(job->info.output_height),
                         QImage::Format_RGB888);
    if (job->image->isNull() || job->info.output_components != 3)
        ERREXIT(&job->info, JERR_OUT_OF_MEMORY);
    while (job->info.output_scanline < job->info.output_height) {
        JSAMPROW row = job->image->scanLine(static_cast<int>(job->info.output_scanline));
        jpeg_read_scanlines(&job->info, &row, 1);
    }
    jpeg_finish_decompress(&job->info);
    jpeg_destroy_decompress(&job->info);
    return true;
}

QString jpegError(int code)
{
    return QStringLiteral("JPEG error #%1").arg(code);
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        throw PictovaError(jpegError(JERR_EMPTY_IMAGE));
    EncodeJob job{};
    job.rgb = &rgb;
    job.quality = quality;
    const bool ok = runEncode(&job);
    // After a failure the destination may already have moved its buffer without telling us;
    // leaking it is safer than freeing a stale pointer.
    if (!ok)
        throw PictovaError(jpegError(job.error.base.msg_code));
    const QByteArray result(reinterpret_cast<const char*>(job.output),
                            static_cast<qsizetype>(job.outputSize));
    std::free(job.output);
    return result;
}

QImage decodeJpeg(const QByteArray& bytes)
{
    QImage image;
    DecodeJob job{};
    job.bytes = &bytes;
    job.image = &image;
    if (!runDecode(&job))
        throw PictovaError(jpegError(job.code));
    return image;
}

} // namespace pictova
