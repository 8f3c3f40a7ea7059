#include "Output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

FdOutputBuffer::FdOutputBuffer(int fd) : fd_(fd), buffer_(64 * 1024) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

FdOutputBuffer::~FdOutputBuffer() { Drain(); }

bool FdOutputBuffer::WriteAll(const char* data, size_t size) {
    while (size > 0 && !error_) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        data += written;
        size -= size_t(written);
    }
    return !error_;
}

bool FdOutputBuffer::Drain() {
    const bool ok = WriteAll(pbase(), size_t(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return ok;
}

FdOutputBuffer::int_type FdOutputBuffer::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize FdOutputBuffer::xsputn(const char* data, std::streamsize size) {
    if (size > epptr() - pptr()) {
        if (!Drain()) return 0;
        if (size >= epptr() - pptr()) return WriteAll(data, size_t(size)) ? size : 0;
    }
    std::memcpy(pptr(), data, size_t(size));
    pbump(int(size));
    return size;
}

int FdOutputBuffer::sync() { return Drain() ? 0 : -1; }

std::string WriteErrorReason(const std::ostream& out) {
    const auto* buffer = dynamic_cast<const FdOutputBuffer*>(out.rdbuf());
    return buffer && buffer->Error() ? std::strerror(buffer->Error()) : "the output could not be written";
}
