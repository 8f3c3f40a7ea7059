// Standard output as qxhash writes it: buffered, every write checked, the system's
// reason kept for the message, as coreutils does ("write error: No space left on
// device"), so that a full disk or a closed pipe is never reported as success.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

class FdOutputBuffer : public std::streambuf {
public:
    explicit FdOutputBuffer(int fd);
    ~FdOutputBuffer() override;
    // The errno of the first failed write, 0 while none failed.
    int Error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

private:
    bool Drain();
    bool WriteAll(const char* data, size_t size);

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

// Why writing to `out` failed, from its buffer when it is an FdOutputBuffer.
std::string WriteErrorReason(const std::ostream& out);
