#include "FileDigest.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Page alignment lets the kernel copy whole pages.
constexpr size_t kAlignment = 4096;

class InputFile {
public:
    explicit InputFile(const std::string& path) {
        if (path == "-") {
            fd_ = STDIN_FILENO;
            return;
        }
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
        owned_ = fd_ >= 0;
    }
    ~InputFile() {
        if (owned_) ::close(fd_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    bool owned_ = false;
};

void Fail(FileDigestResult& result, HashError error, int systemError) {
    result.error = error;
    result.systemError = systemError;
    result.reason = systemError ? std::strerror(systemError) : "";
}

}  // namespace

ReadBuffer::ReadBuffer() : data_(static_cast<uint8_t*>(std::aligned_alloc(kAlignment, kSize))) {
    if (!data_) throw std::bad_alloc();
}

void ReadBuffer::Free::operator()(uint8_t* p) const { std::free(p); }

void DigestFile(const std::string& path, std::span<const DigestType> types, ReadBuffer& buffer,
                FileDigestResult& result, const ProgressFn& progress) {
    result.error = HASH_ERR_NONE;
    result.systemError = 0;
    result.reason.clear();
    InputFile file(path);
    if (file.fd() < 0) return Fail(result, HASH_ERR_OPEN_FILE, errno);
    struct stat info {};
    uint64_t total = 0;
    if (::fstat(file.fd(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return Fail(result, HASH_ERR_READ_FILE, EISDIR);
        if (S_ISREG(info.st_mode)) total = uint64_t(info.st_size);
    }
    // Small files are read at once; advice only pays for reads that go on.
    if (total > ReadBuffer::kSize) ::posix_fadvise(file.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);

    std::vector<HashContext>& contexts = buffer.contexts;
    contexts.resize(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        if (HashError error = HashInit(&contexts[i], types[i].code)) return Fail(result, error, 0);
        if (types[i].passes) contexts[i].passes = types[i].passes;
    }

    uint64_t done = 0;
    for (;;) {
        const ssize_t got = ::read(file.fd(), buffer.data(), ReadBuffer::kSize);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Fail(result, HASH_ERR_READ_FILE, errno);
        }
        if (got == 0) break;
        for (HashContext& context : contexts) HashUpdate(&context, buffer.data(), uint32_t(got));
        done += uint64_t(got);
        if (progress) progress(done, total);
        // A regular file read to its known size needs no further read to see its end.
        if (S_ISREG(info.st_mode) && done == total && size_t(got) < ReadBuffer::kSize) break;
    }

    result.digests.resize(contexts.size());
    for (size_t i = 0; i < contexts.size(); ++i) HashFinal(&contexts[i], result.digests[i]);
}
