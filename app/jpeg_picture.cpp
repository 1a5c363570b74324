#include "app/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace vantorel {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void NoMessage(j_common_ptr) {}

}  // namespace

// Only plain data lives in this frame across setjmp: libjpeg's structures
// and the caller's picture, which is reset on failure.
bool DecodeJpeg(std::string_view data, Picture& picture) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ErrorExit;
  errors.base.output_message = NoMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    picture = Picture();
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);

  const auto width = static_cast<size_t>(info.output_width);
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.bgrx.assign(width * info.output_height * 4, 0);
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             static_cast<JDIMENSION>(width * 3), 1);
  while (info.output_scanline < info.output_height) {
    unsigned char* out = &picture.bgrx[info.output_scanline * width * 4];
    jpeg_read_scanlines(&info, row, 1);
    for (size_t x = 0; x < width; ++x) {
      out[x * 4 + 0] = row[0][x * 3 + 2];
      out[x * 4 + 1] = row[0][x * 3 + 1];
      out[x * 4 + 2] = row[0][x * 3 + 0];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace vantorel
