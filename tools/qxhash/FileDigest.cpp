#include "FileDigest.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Large reads keep system-call overhead negligible; page alignment lets the kernel
// copy whole pages. Memory stays at one buffer whatever the file size.
constexpr size_t kBufferSize = size_t(1) << 20;
constexpr size_t kAlignment = 4096;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

class InputFile {
public:
    explicit InputFile(const std::string& path) {
        if (path == "-") {
            fd_ = STDIN_FILENO;
            return;
        }
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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

}  // namespace

FileDigestResult DigestFile(const std::string& path, const std::vector<uint32_t>& types, uint32_t passes,
                            const ProgressFn& progress) {
    FileDigestResult result;
    InputFile file(path);
    if (file.fd() < 0) {
        result.error = HASH_ERR_OPEN_FILE;
        result.reason = std::strerror(errno);
        return result;
    }
    struct stat info {};
    uint64_t total = 0;
    if (::fstat(file.fd(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            result.error = HASH_ERR_READ_FILE;
            result.reason = std::strerror(EISDIR);
            return result;
        }
        if (S_ISREG(info.st_mode)) total = uint64_t(info.st_size);
    }
    ::posix_fadvise(file.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);

    std::vector<HashContext> contexts(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        if (HashError error = HashInit(&contexts[i], types[i])) {
            result.error = error;
            return result;
        }
        if (passes) contexts[i].passes = passes;
    }

    std::unique_ptr<uint8_t, FreeDeleter> buffer(static_cast<uint8_t*>(std::aligned_alloc(kAlignment, kBufferSize)));
    if (!buffer) throw std::bad_alloc();
    uint64_t done = 0;
    for (;;) {
        const ssize_t got = ::read(file.fd(), buffer.get(), kBufferSize);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.error = HASH_ERR_READ_FILE;
            result.reason = std::strerror(errno);
            return result;
        }
        if (got == 0) break;
        for (HashContext& context : contexts) HashUpdate(&context, buffer.get(), uint32_t(got));
        done += uint64_t(got);
        if (progress) progress(done, total);
    }

    for (HashContext& context : contexts) {
        std::string digest;
        HashFinal(&context, digest);
        result.digests.push_back(std::move(digest));
    }
    return result;
}
