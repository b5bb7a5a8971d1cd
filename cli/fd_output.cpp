#include "fd_output.h"

#include <cerrno>
#ifdef _WIN32
#include <io.h>
#define TESMARK_WRITE(fd, data, size) _write(fd, data, static_cast<unsigned>(size))
#else
#include <unistd.h>
#define TESMARK_WRITE(fd, data, size) ::write(fd, data, size)
#endif

namespace tesmark::cli {

FdOutputBuffer::FdOutputBuffer(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdOutputBuffer::~FdOutputBuffer() {
    drain();
}

bool FdOutputBuffer::drain() {
    const char* next = pbase();
    while (next < pptr()) {
        const auto written = TESMARK_WRITE(fd_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (failure_ == 0) failure_ = written < 0 ? errno : EIO;
            break;
        }
        next += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return failure_ == 0;
}

FdOutputBuffer::int_type FdOutputBuffer::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int FdOutputBuffer::sync() {
    return drain() ? 0 : -1;
}

}  // namespace tesmark::cli
