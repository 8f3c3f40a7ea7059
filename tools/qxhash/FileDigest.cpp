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

}  // namespace

InputFile::~InputFile() {
    if (owned_) ::close(fd_);
}

bool InputFile::Open(const std::string& path, int flags) {
    if (path == "-") {
        fd_ = STDIN_FILENO;
        return true;
    }
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | flags);
    owned_ = fd_ >= 0;
    return owned_;
}

void Fail(FileDigestResult& result, HashError error, int systemError) {
    result.error = error;
    result.systemError = systemError;
    result.reason = systemError ? std::strerror(systemError) : "";
    result.skipped = false;
}

ReadBuffer::ReadBuffer() : data_(static_cast<uint8_t*>(std::aligned_alloc(kAlignment, kSize))) {
    if (!data_) throw std::bad_alloc();
}

uint8_t* ReadBuffer::Files() {
    if (!files_) files_.reset(new uint8_t[kFilesSize]);  // not cleared: only read bytes are used
    return files_.get();
}

void ReadBuffer::Free::operator()(uint8_t* p) const { std::free(p); }

bool OpenInput(const std::string& path, InputFile& file, struct stat& info, FileDigestResult& result, bool regularOnly) {
    result.error = HASH_ERR_NONE;
    result.systemError = 0;
    result.reason.clear();
    result.skipped = false;
    info = {};
    if (!file.Open(path, regularOnly ? O_NONBLOCK : 0)) {
        Fail(result, HASH_ERR_OPEN_FILE, errno);
        return false;
    }
    if (::fstat(file.fd(), &info) == 0 && S_ISDIR(info.st_mode)) {
        Fail(result, HASH_ERR_READ_FILE, EISDIR);
        return false;
    }
    if (regularOnly && !S_ISREG(info.st_mode)) {
        result.skipped = true;
        return false;
    }
    return true;
}

void DigestOpened(InputFile& file, const struct stat& info, std::span<const DigestType> types, ReadBuffer& buffer,
                  FileDigestResult& result, const ProgressFn& progress) {
    const uint64_t total = S_ISREG(info.st_mode) ? uint64_t(info.st_size) : 0;
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
