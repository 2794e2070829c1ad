#include "picture/JpegDecoder.h"

#include "picture/InputLimits.h"

#include <cstdio> // jpeglib.h needs FILE
#include <jerror.h>
#include <jpeglib.h>

#include <bit>
#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

static_assert(std::endian::native == std::endian::little, "pixel words are written as B, G, R, A bytes");

namespace {

// Everything the libjpeg calls share. Plain data only: libjpeg leaves these functions by longjmp.
struct JpegJob {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    JSAMPARRAY rows;
};

JpegJob* JobOf(j_common_ptr cinfo) {
    return static_cast<JpegJob*>(cinfo->client_data);
}

[[noreturn]] void Abort(j_common_ptr cinfo) {
    JpegJob* job = JobOf(cinfo);
    (*cinfo->err->format_message)(cinfo, job->message);
    std::longjmp(job->jump, 1);
}

void OnJpegError(j_common_ptr cinfo) {
    Abort(cinfo);
}

// Warnings are silent, except running out of data: a truncated picture fails instead of being
// padded with grey.
void OnJpegMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        Abort(cinfo);
}

void OnJpegProgress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor)
        return;
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxJpegScans) {
        JpegJob* job = JobOf(cinfo);
        std::strcpy(job->message, "Too many JPEG scans");
        std::longjmp(job->jump, 1);
    }
}

// Creates the decompressor and reads the header. No C++ objects live here.
bool ReadJpegHeader(JpegJob* job, const unsigned char* data, std::size_t size) {
    if (setjmp(job->jump))
        return false;
    job->cinfo.err = jpeg_std_error(&job->err);
    job->err.error_exit = OnJpegError;
    job->err.emit_message = OnJpegMessage;
    job->cinfo.client_data = job; // kept by the creation
    jpeg_create_decompress(&job->cinfo);
    job->cinfo.mem->max_memory_to_use = kJpegWorkingMemory;
    job->progress.progress_monitor = OnJpegProgress;
    job->cinfo.progress = &job->progress;
    jpeg_mem_src(&job->cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&job->cinfo, TRUE);
    if (job->cinfo.jpeg_color_space != JCS_GRAYSCALE && job->cinfo.jpeg_color_space != JCS_YCbCr &&
        job->cinfo.jpeg_color_space != JCS_RGB) {
        std::strcpy(job->message, "Unsupported JPEG colour space");
        return false;
    }
    job->cinfo.out_color_space = JCS_EXT_BGRA;
    job->cinfo.scale_num = 1;
    job->cinfo.scale_denom = 1;
    if (!FitsPictureLimit(job->cinfo.image_width, job->cinfo.image_height, 24)) {
        std::strcpy(job->message, "JPEG picture too large");
        return false;
    }
    return true;
}

bool ReadJpegRows(JpegJob* job) {
    if (setjmp(job->jump))
        return false;
    jpeg_start_decompress(&job->cinfo);
    if (job->cinfo.output_width != job->cinfo.image_width ||
        job->cinfo.output_height != job->cinfo.image_height || job->cinfo.output_components != 4) {
        std::strcpy(job->message, "Unexpected JPEG output layout");
        return false;
    }
    while (job->cinfo.output_scanline < job->cinfo.output_height) {
        const JDIMENSION line = job->cinfo.output_scanline;
        if (jpeg_read_scanlines(&job->cinfo, job->rows + line, job->cinfo.output_height - line) == 0) {
            std::strcpy(job->message, "JPEG data ended early");
            return false;
        }
    }
    return true;
}

struct JpegGuard {
    JpegJob& job;
    ~JpegGuard() { jpeg_destroy_decompress(&job.cinfo); }
};

bool Refuse(PictureData& out, QString& error, const char* text) {
    out = PictureData{};
    error = QString::fromUtf8(text);
    return false;
}

} // namespace

bool DecodeJpeg(const unsigned char* data, std::size_t size, PictureData& out, QString& error) {
    out = PictureData{};
    if (data == nullptr || size < 2 || data[0] != 0xFF || data[1] != 0xD8)
        return Refuse(out, error, "Not a JPEG file");

    JpegJob job;
    std::memset(&job, 0, sizeof job);
    JpegGuard guard{job};
    if (!ReadJpegHeader(&job, data, size))
        return Refuse(out, error, job.message);

    const int width = static_cast<int>(job.cinfo.image_width);
    const int height = static_cast<int>(job.cinfo.image_height);
    std::vector<JSAMPROW> rows;
    try {
        out.width = width;
        out.height = height;
        out.bpp = 24;
        out.argb.resize(static_cast<std::size_t>(width) * height);
        rows.resize(height);
        for (int y = 0; y < height; ++y)
            rows[y] = reinterpret_cast<JSAMPROW>(out.argb.data() + static_cast<std::size_t>(y) * width);
    } catch (const std::bad_alloc&) {
        return Refuse(out, error, "Out of memory");
    }
    job.rows = rows.data();
    if (!ReadJpegRows(&job))
        return Refuse(out, error, job.message);
    return true;
}
